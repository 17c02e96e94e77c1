#pragma once
#include "panels/Panel.h"

// A panel that edits a persistent object through one or two object controllers, and keeps
// its enabled state and summary in step with them. The first controller holds the object
// (GetObjectA, SetObject); the second one, when there is one, adds its summary to the
// panel's. A subclass makes its controls' bindings in SetupControls, called while the
// window is initialised.
//
// The panel listens to its controllers: a change of the object's settings makes an enabled
// panel announce a new summary (kSummaryChanged), and a controller's request to be shown
// makes the panel ask the expandable panel around it to open (kOpenMe, the panel as
// sender). With auto show, the panel is enabled exactly while its controller has an
// object, so that a panel manager hides it while there is nothing to edit.
//
// Decisions of this library:
// - Controllers are not owned. A controller destroyed before the panel (a member of the
//   subclass, say) is treated as none from then on: the panel uses and unregisters from
//   only the controllers that still have it as a listener.
// - The same controller may be both the first and the second; letting go of it in one
//   place keeps the panel listening for the other.
// - The summary is ok or not as the first controller says; the second one's answer is not
//   asked.
class AFX_EXT_CLASS CObjectPanel : public CPanel, public CListener {
    DECLARE_DYNAMIC(CObjectPanel)
public:
    explicit CObjectPanel(UINT id, CWnd* parent = nullptr);
    ~CObjectPanel() override;

    void Refresh() override;
    CString GetDetailedText(bool& ok) override;
    bool ListenToMessage(long code, const void* sender, const void* extra) override;

    // Each does nothing when controller is the one already set.
    virtual void SetController(CObjectController2* controller);
    virtual void SetController2(CObjectController2* controller);
    // Hands object to the controller (refreshing its controls) and reflects it; nothing
    // without a controller.
    virtual void SetObject(CPersistObject* object);

    void SetAutoShow(bool autoShow);
    CPersistObject* GetObjectA();
    // With auto show, enables the panel exactly when the controller has an object; an
    // enabled panel then announces its summary.
    void ReflectObject();

protected:
    virtual void SetupControls() = 0;
    BOOL OnInitDialog() override;

private:
    void Replace(CObjectController2*& stored, CObjectController2* other, CObjectController2* controller);
    // The controller while it still knows the panel; a controller that does not any more
    // may have been destroyed.
    CObjectController2* Live(CObjectController2* controller) const;

    CObjectController2* mController = nullptr;
    CObjectController2* mController2 = nullptr;
    bool mAutoShow = false;
};
