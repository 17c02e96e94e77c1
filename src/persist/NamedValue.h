#pragma once
#include "persist/NamedObject.h"

// A named object with a text value, saved after the name as the text property "value"
// (kValueTag). Loading a document that lacks the value keeps the value the object had.
class AFX_EXT_CLASS CNamedValue : public CNamedObject {
public:
    DECLARE_PERSIST_CLASS()

    static const long kNamedValueType = 'namo';
    // Sent with Notify when the value changed.
    static const long kValueChanged = 'namp';
    static const char* const kValueTag;


    CNamedValue();
    CNamedValue(const CNamedValue& other);
    CNamedValue& operator=(const CNamedValue& other);
    ~CNamedValue() override;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // What SetValue stores for value; the text unchanged unless a subclass says otherwise.
    virtual CString ValidateValue(const char* value);
    // Runs after the value changed and the listeners were told.
    virtual void SideEffectValueChanged();

    // False, and nothing happens, when the validated value equals the current one (case
    // matters).
    bool SetValue(const char* value);
    CString& GetValue();

private:
    CString mValue;
};
