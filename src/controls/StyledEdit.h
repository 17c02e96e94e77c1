#pragma once
#include "afxrich.h"
#include "tnwbscut.h"

// A rich edit control with a simple interface for a few things: font face and character
// set, size in points, bold, italic, underline, colour and paragraph alignment; and its
// whole content streamed in and out as plain text or rich text (RTF) through byte buffers.
//
// Every character setter formats the selection, or what is typed next at the insertion
// point when nothing is selected; with asDefault the same format also becomes the
// control's default character format. The paragraph setters format the paragraphs of the
// selection. Alignment values: 1 left, 2 right, 3 centre.
//
// A buffer is read as rich text when it holds more than 5 bytes and begins with "{\rtf";
// otherwise as plain text in the system's ANSI code page. A text handed in with its
// terminating zero (SetText, AppendText, or a buffer that ends in a zero byte) is read
// without that zero, which would otherwise become a character of the document.
//
// Decisions of this library:
// - Face names longer than a font's face name can hold (31 characters) are cut there.
// - GetText gives paragraphs ended by "\r\n", as the text was handed in.
// - The control's text limit is raised to 16 M characters when the control is created;
//   a control subclassed from a dialog template keeps the template's limit.
class AFX_EXT_CLASS CStyledEdit : public CRichEditCtrl {
public:
    enum { kLeft = 1, kRight = 2, kCenter = 3 };
    enum { kTextLimit = 0x1000000 };

    CStyledEdit();

    void SetFont(const char* face, bool asDefault);
    void SetFont(const char* face, unsigned char charSet, bool asDefault);
    void SetFont(const LOGFONTA* font, bool asDefault);
    // False when the selection does not have one face and one character set throughout.
    bool GetFont(CString& face, unsigned char& charSet);
    void SetSize(long points, bool asDefault);
    // The height in whole points (twips / 20, rounded towards zero).
    long GetSize();
    void SetBold(bool on, bool asDefault);
    void SetItalic(bool on, bool asDefault);
    void SetUnderline(bool on, bool asDefault);
    bool GetBold();
    bool GetItalic();
    bool GetUnderline();
    // Sets the text colour; the automatic colour is switched off.
    void SetColor(unsigned char red, unsigned char green, unsigned char blue, bool asDefault);

    // The argument is not used: each sets its own alignment.
    void SetLeftAlign(bool on);
    void SetCenterAlign(bool on);
    void SetRightAlign(bool on);
    bool GetLeftAlign();
    bool GetCenterAlign();
    bool GetRightAlign();
    void SetAlignment(unsigned short alignment);
    unsigned short GetAlignment();

    // Replaces the whole content with the buffer.
    void SetData(CHandle& data);
    // Inserts the buffer at the end.
    void AppendData(CHandle& data, bool rich);
    // Empties the buffer and fills it with the whole content.
    void GetData(CHandle& data, bool rich);
    void SetText(const char* text);
    void AppendText(const char* text);
    void GetText(CString& text);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

private:
    void SetCharFormat(CHARFORMATA& format, bool asDefault);
    // The selection's format, with the members it shares throughout marked in dwMask.
    CHARFORMATA GetCharFormat();
    void SetEffect(DWORD effect, bool on, bool asDefault);
    bool GetEffect(DWORD effect);
    void StreamInBuffer(const CHandle& data, bool rich, bool selection);
};
