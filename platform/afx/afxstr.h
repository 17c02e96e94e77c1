#pragma once
// CString: a byte string in the ANSI code page that owns its buffer and grows as needed.
//
// Texts of up to kInlineLength bytes live inside the object itself and cost no allocation:
// keys, numbers and names, most of the strings a program makes. A longer text lives on the
// heap. Either way the text stays where it is until the string changes or is destroyed;
// moving a string moves a heap text and copies an inline one, so a pointer into a string
// that is moved from is not to be kept.
#include "afxver_.h"

#include <cstdarg>

class AFX_CORE_CLASS CString {
public:
    static constexpr int kInlineLength = 23;

    CString();
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    CString(char ch, int nRepeat = 1);
    CString(LPCSTR lpsz);
    CString(LPCSTR lpch, int nLength);
    CString(LPCWSTR lpsz);
    // Inline, so that a string with its text inside ends without a call.
    ~CString()
    {
        if (!IsInline())
            FreeHeap();
    }

    int GetLength() const { return m_nDataLength; }
    BOOL IsEmpty() const { return m_nDataLength == 0; }
    void Empty();

    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, char ch);
    operator LPCSTR() const { return m_pchData; }

    const CString& operator=(const CString& stringSrc);
    const CString& operator=(CString&& stringSrc) noexcept;
    const CString& operator=(char ch);
    const CString& operator=(LPCSTR lpsz);
    const CString& operator=(LPCWSTR lpsz);

    const CString& operator+=(const CString& string);
    const CString& operator+=(char ch);
    const CString& operator+=(LPCSTR lpsz);

    friend AFX_CORE_CLASS CString operator+(const CString& string1, const CString& string2);
    friend AFX_CORE_CLASS CString operator+(const CString& string, char ch);
    friend AFX_CORE_CLASS CString operator+(char ch, const CString& string);
    friend AFX_CORE_CLASS CString operator+(const CString& string, LPCSTR lpsz);
    friend AFX_CORE_CLASS CString operator+(LPCSTR lpsz, const CString& string);

    // Byte-wise comparisons; the Collate forms use the user's locale.
    int Compare(LPCSTR lpsz) const;
    int CompareNoCase(LPCSTR lpsz) const;
    int Collate(LPCSTR lpsz) const;
    int CollateNoCase(LPCSTR lpsz) const;

    // Substrings; counts and positions out of range are clamped rather than trusted.
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR lpszCharSet) const;
    CString SpanExcluding(LPCSTR lpszCharSet) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    int Replace(char chOld, char chNew);
    int Replace(LPCSTR lpszOld, LPCSTR lpszNew);
    int Remove(char chRemove);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    void TrimRight();
    void TrimRight(char chTarget);
    void TrimRight(LPCSTR lpszTargets);
    void TrimLeft();
    void TrimLeft(char chTarget);
    void TrimLeft(LPCSTR lpszTargets);

    // Positions of the first or last match, or -1.
    int Find(char ch) const;
    int Find(char ch, int nStart) const;
    int Find(LPCSTR lpszSub) const;
    int Find(LPCSTR lpszSub, int nStart) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR lpszCharSet) const;

    void Format(LPCSTR lpszFormat, ...);
    void Format(UINT nFormatID, ...);
    void FormatV(LPCSTR lpszFormat, va_list argList);

    // Loads a string resource from the application or a registered extension library.
    BOOL LoadString(UINT nID);

    // Direct access to the buffer: GetBuffer gives room for at least nMinBufLength
    // characters plus the terminator; ReleaseBuffer(-1) takes the length up to the first
    // zero byte.
    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();

    // Wide copy of the text, for the few interfaces that want UTF-16. Caller frees with
    // SysFreeString.
    BSTR AllocSysString() const;

private:
    bool IsInline() const { return m_pchData == m_achInline; }
    void FreeHeap();
    void TakeOver(CString& stringSrc) noexcept;
    void AllocBuffer(int nCapacity);
    void AssignCopy(int nSrcLen, LPCSTR lpszSrcData);
    void ConcatInPlace(int nSrcLen, LPCSTR lpszSrcData);
    void EnsureCapacity(int nCapacity);
    void AssignWide(LPCWSTR lpsz);

    char* m_pchData;
    int m_nDataLength;
    int m_nAllocLength;
    char m_achInline[kInlineLength + 1];
};

AFX_CORE_CLASS bool operator==(const CString& s1, const CString& s2);
AFX_CORE_CLASS bool operator==(const CString& s1, LPCSTR s2);
AFX_CORE_CLASS bool operator==(LPCSTR s1, const CString& s2);
AFX_CORE_CLASS bool operator!=(const CString& s1, const CString& s2);
AFX_CORE_CLASS bool operator!=(const CString& s1, LPCSTR s2);
AFX_CORE_CLASS bool operator!=(LPCSTR s1, const CString& s2);
AFX_CORE_CLASS bool operator<(const CString& s1, const CString& s2);
AFX_CORE_CLASS bool operator<(const CString& s1, LPCSTR s2);
AFX_CORE_CLASS bool operator<(LPCSTR s1, const CString& s2);
AFX_CORE_CLASS bool operator>(const CString& s1, const CString& s2);
AFX_CORE_CLASS bool operator>(const CString& s1, LPCSTR s2);
AFX_CORE_CLASS bool operator>(LPCSTR s1, const CString& s2);
AFX_CORE_CLASS bool operator<=(const CString& s1, const CString& s2);
AFX_CORE_CLASS bool operator<=(const CString& s1, LPCSTR s2);
AFX_CORE_CLASS bool operator<=(LPCSTR s1, const CString& s2);
AFX_CORE_CLASS bool operator>=(const CString& s1, const CString& s2);
AFX_CORE_CLASS bool operator>=(const CString& s1, LPCSTR s2);
AFX_CORE_CLASS bool operator>=(LPCSTR s1, const CString& s2);
