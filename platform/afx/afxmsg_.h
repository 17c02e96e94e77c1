#pragma once
// Message maps: tables that bind window messages, commands and notifications to member
// functions. Each entry carries a small dispatcher that unpacks the message parameters and
// calls the handler of the class whose map holds the entry.
#include "afxver_.h"

class CCmdTarget;
class CCmdUI;

// Everything a dispatcher may need of the message it handles.
struct AFX_DISPATCH_ARGS {
    WPARAM wParam;
    LPARAM lParam;
    void* pExtra;      // CCmdUI* for updates, NMHDR* for notifications
    LRESULT* pResult;  // where a window message or notification leaves its result
    UINT nID;          // command or control id
};

// What OnCmdMsg receives as pExtra for WM_NOTIFY notifications.
struct AFX_NOTIFY {
    LRESULT* pResult;
    struct tagNMHDR* pNMHDR;
};

typedef BOOL (*AFX_DISPATCH)(CCmdTarget* pTarget, AFX_DISPATCH_ARGS& args);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message, or WM_COMMAND / WM_NOTIFY for routed entries
    UINT nCode;     // control notification or command code
    UINT nID;       // first control or command id
    UINT nLastID;   // last id of a range
    AFX_DISPATCH pfnDispatch;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Messages the framework sends itself.
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_KICKIDLE 0x036A
// Notifications a parent reflects back to the child control that sent them arrive at
// the child as WM_REFLECT_BASE + the original message.
#define WM_REFLECT_BASE 0xBC00
// Every WM_CTLCOLORxxx a parent reflects arrives as this one message, with an AFX_CTLCOLOR
// that tells the kind (CTLCOLOR_xxx).
#define WM_CTLCOLOR 0x0019

struct AFX_CTLCOLOR {
    HWND hWnd;      // the control
    HDC hDC;        // the device context it is about to draw with
    UINT nCtlType;  // CTLCOLOR_MSGBOX ... CTLCOLOR_STATIC
};

// Command codes of routed commands.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override; \
protected:

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

// The map of a class template over one type parameter, written in its header: a mixin
// such as template <class TBase> class CMixin : public TBase names TBase as its base map.
#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass) \
    template <typename type_name> \
    const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const { return GetThisMessageMap(); } \
    template <typename type_name> \
    const AFX_MSGMAP* PASCAL theClass<type_name>::GetThisMessageMap() \
    { \
        typedef theClass<type_name> ThisClass; \
        typedef baseClass TheBaseClass; \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, nullptr } \
        }; \
        static_assert(sizeof(ThisClass) > 0, "the map's class is complete"); \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, \
                                               &_messageEntries[0] }; \
        return &messageMap; \
    }

// One entry whose dispatcher runs `body` with `_p` (this class) and `_a` (the arguments).
#define AFX_MSG_ENTRY(msg, code, id, lastId, body) \
    { (UINT)(msg), (UINT)(code), (UINT)(id), (UINT)(lastId), \
      [](CCmdTarget* _t, AFX_DISPATCH_ARGS& _a) -> BOOL { \
          ThisClass* _p = static_cast<ThisClass*>(_t); \
          (void)_p; (void)_a; \
          body \
      } },

// Window messages with the framework's conventional handler names.
#define AFX_WM_VOID(msg, call) AFX_MSG_ENTRY(msg, 0, 0, 0, { _p->call; return TRUE; })
#define AFX_WM_RESULT(msg, call) AFX_MSG_ENTRY(msg, 0, 0, 0, { *_a.pResult = (LRESULT)(_p->call); return TRUE; })

#define ON_WM_CREATE() AFX_WM_RESULT(WM_CREATE, OnCreate(reinterpret_cast<LPCREATESTRUCT>(_a.lParam)))
#define ON_WM_DESTROY() AFX_WM_VOID(WM_DESTROY, OnDestroy())
#define ON_WM_NCDESTROY() AFX_WM_VOID(WM_NCDESTROY, OnNcDestroy())
#define ON_WM_CLOSE() AFX_WM_VOID(WM_CLOSE, OnClose())
#define ON_WM_SIZE() AFX_WM_VOID(WM_SIZE, OnSize((UINT)_a.wParam, (short)LOWORD(_a.lParam), (short)HIWORD(_a.lParam)))
#define ON_WM_MOVE() AFX_WM_VOID(WM_MOVE, OnMove((short)LOWORD(_a.lParam), (short)HIWORD(_a.lParam)))
#define ON_WM_PAINT() AFX_WM_VOID(WM_PAINT, OnPaint())
#define ON_WM_TIMER() AFX_WM_VOID(WM_TIMER, OnTimer((UINT_PTR)_a.wParam))
#define ON_WM_SHOWWINDOW() AFX_WM_VOID(WM_SHOWWINDOW, OnShowWindow((BOOL)_a.wParam, (UINT)_a.lParam))
#define ON_WM_SETFOCUS() AFX_WM_VOID(WM_SETFOCUS, OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(_a.wParam))))
#define ON_WM_KILLFOCUS() AFX_WM_VOID(WM_KILLFOCUS, OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(_a.wParam))))
#define ON_WM_KEYDOWN() AFX_WM_VOID(WM_KEYDOWN, OnKeyDown((UINT)_a.wParam, LOWORD(_a.lParam), HIWORD(_a.lParam)))
#define ON_WM_KEYUP() AFX_WM_VOID(WM_KEYUP, OnKeyUp((UINT)_a.wParam, LOWORD(_a.lParam), HIWORD(_a.lParam)))
#define ON_WM_CHAR() AFX_WM_VOID(WM_CHAR, OnChar((UINT)_a.wParam, LOWORD(_a.lParam), HIWORD(_a.lParam)))
#define ON_WM_SYSCOMMAND() AFX_WM_VOID(WM_SYSCOMMAND, OnSysCommand((UINT)_a.wParam, _a.lParam))
#define ON_WM_ACTIVATE() AFX_WM_VOID(WM_ACTIVATE, OnActivate(LOWORD(_a.wParam), CWnd::FromHandle(reinterpret_cast<HWND>(_a.lParam)), (BOOL)HIWORD(_a.wParam)))
#define ON_WM_GETMINMAXINFO() AFX_WM_VOID(WM_GETMINMAXINFO, OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(_a.lParam)))
#define ON_WM_INITMENUPOPUP() AFX_WM_VOID(WM_INITMENUPOPUP, OnInitMenuPopup(CMenu::FromHandle(reinterpret_cast<HMENU>(_a.wParam)), LOWORD(_a.lParam), (BOOL)HIWORD(_a.lParam)))
#define ON_WM_DROPFILES() AFX_WM_VOID(WM_DROPFILES, OnDropFiles(reinterpret_cast<HDROP>(_a.wParam)))
#define ON_WM_QUERYENDSESSION() AFX_WM_RESULT(WM_QUERYENDSESSION, OnQueryEndSession())
#define ON_WM_ENDSESSION() AFX_WM_VOID(WM_ENDSESSION, OnEndSession((BOOL)_a.wParam))
#define ON_WM_ENABLE() AFX_WM_VOID(WM_ENABLE, OnEnable((BOOL)_a.wParam))
// Mouse buttons: void handler(UINT nFlags, CPoint point), the point in client coordinates.
#define AFX_WM_MOUSE(msg, fxn) \
    AFX_WM_VOID(msg, fxn((UINT)_a.wParam, CPoint((short)LOWORD(_a.lParam), (short)HIWORD(_a.lParam))))
#define ON_WM_LBUTTONDOWN() AFX_WM_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_WM_MOUSE(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONDBLCLK() AFX_WM_MOUSE(WM_MBUTTONDBLCLK, OnMButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_MOUSE(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MOUSEMOVE() AFX_WM_MOUSE(WM_MOUSEMOVE, OnMouseMove)
// Asked for with TrackMouseEvent (TME_HOVER).
#define ON_WM_MOUSEHOVER() AFX_WM_MOUSE(WM_MOUSEHOVER, OnMouseHover)
#define ON_WM_ERASEBKGND() AFX_WM_RESULT(WM_ERASEBKGND, OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(_a.wParam))))
// The window that takes the mouse capture (null when nobody does).
#define ON_WM_CAPTURECHANGED() AFX_WM_VOID(WM_CAPTURECHANGED, OnCaptureChanged(CWnd::FromHandle(reinterpret_cast<HWND>(_a.lParam))))
#define ON_WM_CANCELMODE() AFX_WM_VOID(WM_CANCELMODE, OnCancelMode())

// Any message, handled as LRESULT handler(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) \
    AFX_MSG_ENTRY(message, 0, 0, 0, { *_a.pResult = _p->memberFxn(_a.wParam, _a.lParam); return TRUE; })

// Commands from menus, accelerators and buttons, routed through OnCmdMsg.
#define ON_COMMAND(id, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, { _p->memberFxn(); return TRUE; })
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, { _p->memberFxn(_a.nID); return TRUE; })
// The handler returns FALSE to let routing go on.
#define ON_COMMAND_EX(id, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, { return _p->memberFxn(_a.nID); })
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, \
                  { _p->memberFxn(static_cast<CCmdUI*>(_a.pExtra)); return TRUE; })
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, \
                  { _p->memberFxn(static_cast<CCmdUI*>(_a.pExtra)); return TRUE; })

// Control notifications carried by WM_COMMAND.
#define ON_CONTROL(code, id, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, code, id, id, { _p->memberFxn(); return TRUE; })
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, code, id, idLast, { _p->memberFxn(_a.nID); return TRUE; })
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)

// Notifications carried by WM_NOTIFY: void handler(NMHDR*, LRESULT*).
#define ON_NOTIFY(code, id, memberFxn) \
    AFX_MSG_ENTRY(WM_NOTIFY, (WORD)(int)(code), id, id, \
                  { _p->memberFxn(static_cast<NMHDR*>(_a.pExtra), _a.pResult); return TRUE; })
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn) \
    AFX_MSG_ENTRY(WM_NOTIFY, (WORD)(int)(code), id, idLast, \
                  { _p->memberFxn(_a.nID, static_cast<NMHDR*>(_a.pExtra), _a.pResult); return TRUE; })
// The handler returns FALSE to let routing go on.
#define ON_NOTIFY_EX(code, id, memberFxn) \
    AFX_MSG_ENTRY(WM_NOTIFY, (WORD)(int)(code), id, id, \
                  { return _p->memberFxn(_a.nID, static_cast<NMHDR*>(_a.pExtra), _a.pResult); })
#define ON_NOTIFY_EX_RANGE(code, id, idLast, memberFxn) \
    AFX_MSG_ENTRY(WM_NOTIFY, (WORD)(int)(code), id, idLast, \
                  { return _p->memberFxn(_a.nID, static_cast<NMHDR*>(_a.pExtra), _a.pResult); })

// Notifications a control handles itself when its parent reflects them.
#define ON_NOTIFY_REFLECT(code, memberFxn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, (WORD)(int)(code), 0, 0, \
                  { _p->memberFxn(static_cast<NMHDR*>(_a.pExtra), _a.pResult); return TRUE; })
// The handler returns FALSE to let the parent handle the notification as well.
#define ON_NOTIFY_REFLECT_EX(code, memberFxn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, (WORD)(int)(code), 0, 0, \
                  { return _p->memberFxn(static_cast<NMHDR*>(_a.pExtra), _a.pResult); })
#define ON_CONTROL_REFLECT(code, memberFxn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, { _p->memberFxn(); return TRUE; })
#define ON_CONTROL_REFLECT_EX(code, memberFxn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, { return _p->memberFxn(); })

// Messages a parent offers back to the child control they concern; each handler is named
// like the parent's, without "On". A control colour handler that returns a null brush
// leaves the message to the parent.
#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, { \
        const AFX_CTLCOLOR* _c = reinterpret_cast<const AFX_CTLCOLOR*>(_a.lParam); \
        HBRUSH _b = _p->CtlColor(CDC::FromHandle(_c->hDC), _c->nCtlType); \
        if (!_b) \
            return FALSE; \
        *_a.pResult = reinterpret_cast<LRESULT>(_b); \
        return TRUE; })
#define ON_WM_DRAWITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, 0, 0, 0, \
                  { _p->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(_a.lParam)); *_a.pResult = TRUE; return TRUE; })
#define ON_WM_MEASUREITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, 0, 0, 0, \
                  { _p->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(_a.lParam)); *_a.pResult = TRUE; return TRUE; })
#define ON_WM_DELETEITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DELETEITEM, 0, 0, 0, \
                  { _p->DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(_a.lParam)); *_a.pResult = TRUE; return TRUE; })
#define ON_WM_COMPAREITEM_REFLECT() \
    AFX_WM_RESULT(WM_REFLECT_BASE + WM_COMPAREITEM, CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(_a.lParam)))
#define ON_WM_CHARTOITEM_REFLECT() \
    AFX_WM_RESULT(WM_REFLECT_BASE + WM_CHARTOITEM, CharToItem(LOWORD(_a.wParam), HIWORD(_a.wParam)))
#define ON_WM_VKEYTOITEM_REFLECT() \
    AFX_WM_RESULT(WM_REFLECT_BASE + WM_VKEYTOITEM, VKeyToItem(LOWORD(_a.wParam), HIWORD(_a.wParam)))
#define ON_WM_HSCROLL_REFLECT() \
    AFX_WM_VOID(WM_REFLECT_BASE + WM_HSCROLL, HScroll(LOWORD(_a.wParam), HIWORD(_a.wParam)))
#define ON_WM_VSCROLL_REFLECT() \
    AFX_WM_VOID(WM_REFLECT_BASE + WM_VSCROLL, VScroll(LOWORD(_a.wParam), HIWORD(_a.wParam)))
