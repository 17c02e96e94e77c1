#include "afxstr.h"
#include "afxmodule.h"

#include <oleauto.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {

int SafeLength(LPCSTR lpsz)
{
    return lpsz ? static_cast<int>(std::strlen(lpsz)) : 0;
}

bool IsWhiteSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

} // namespace

CString::CString() : m_pchData(m_achInline), m_nDataLength(0), m_nAllocLength(kInlineLength)
{
    m_achInline[0] = 0;
}

CString::CString(const CString& stringSrc) : CString()
{
    AssignCopy(stringSrc.m_nDataLength, stringSrc.m_pchData);
}

CString::CString(CString&& stringSrc) noexcept : CString()
{
    TakeOver(stringSrc);
}

CString::CString(char ch, int nRepeat) : CString()
{
    if (nRepeat > 0) {
        AllocBuffer(nRepeat);
        std::memset(m_pchData, ch, nRepeat);
        m_nDataLength = nRepeat;
        m_pchData[nRepeat] = 0;
    }
}

CString::CString(LPCSTR lpsz) : CString()
{
    // A string resource id in the low word of the pointer, as the framework allows.
    if (lpsz && IS_INTRESOURCE(lpsz))
        LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(lpsz)));
    else
        AssignCopy(SafeLength(lpsz), lpsz);
}

CString::CString(LPCSTR lpch, int nLength) : CString()
{
    AssignCopy(lpch ? std::max(nLength, 0) : 0, lpch);
}

CString::CString(LPCWSTR lpsz) : CString()
{
    AssignWide(lpsz);
}

void CString::FreeHeap()
{
    if (!IsInline())
        delete[] m_pchData;
    m_pchData = m_achInline;
    m_nAllocLength = kInlineLength;
}

// This string is empty and inline; it takes the text of stringSrc, which is left empty.
void CString::TakeOver(CString& stringSrc) noexcept
{
    if (stringSrc.IsInline()) {
        std::memcpy(m_achInline, stringSrc.m_achInline, stringSrc.m_nDataLength + 1);
    } else {
        m_pchData = stringSrc.m_pchData;
        m_nAllocLength = stringSrc.m_nAllocLength;
        stringSrc.m_pchData = stringSrc.m_achInline;
        stringSrc.m_nAllocLength = kInlineLength;
    }
    m_nDataLength = stringSrc.m_nDataLength;
    stringSrc.m_nDataLength = 0;
    stringSrc.m_achInline[0] = 0;
}

void CString::AllocBuffer(int nCapacity)
{
    if (nCapacity <= kInlineLength) {
        FreeHeap();
    } else {
        char* fresh = new char[nCapacity + 1];
        FreeHeap();
        m_pchData = fresh;
        m_nAllocLength = nCapacity;
    }
    m_pchData[0] = 0;
    m_nDataLength = 0;
}

void CString::EnsureCapacity(int nCapacity)
{
    if (nCapacity <= m_nAllocLength)
        return;
    // Grow geometrically so that repeated appends stay linear overall.
    const int grown = std::max(nCapacity, m_nAllocLength + m_nAllocLength / 2);
    char* fresh = new char[grown + 1];
    std::memcpy(fresh, m_pchData, m_nDataLength + 1);
    FreeHeap();
    m_pchData = fresh;
    m_nAllocLength = grown;
}

void CString::AssignCopy(int nSrcLen, LPCSTR lpszSrcData)
{
    if (nSrcLen == 0) {
        Empty();
        return;
    }
    if (lpszSrcData >= m_pchData && lpszSrcData <= m_pchData + m_nDataLength) {
        // Assigning a part of ourselves: move within the buffer we already own.
        std::memmove(m_pchData, lpszSrcData, nSrcLen);
    } else {
        if (nSrcLen > m_nAllocLength)
            AllocBuffer(nSrcLen);
        std::memcpy(m_pchData, lpszSrcData, nSrcLen);
    }
    m_nDataLength = nSrcLen;
    m_pchData[nSrcLen] = 0;
}

void CString::ConcatInPlace(int nSrcLen, LPCSTR lpszSrcData)
{
    if (nSrcLen == 0)
        return;
    const bool fromSelf = lpszSrcData >= m_pchData && lpszSrcData <= m_pchData + m_nDataLength;
    const ptrdiff_t selfOffset = lpszSrcData - m_pchData;
    EnsureCapacity(m_nDataLength + nSrcLen);
    if (fromSelf)
        lpszSrcData = m_pchData + selfOffset;
    std::memmove(m_pchData + m_nDataLength, lpszSrcData, nSrcLen);
    m_nDataLength += nSrcLen;
    m_pchData[m_nDataLength] = 0;
}

void CString::AssignWide(LPCWSTR lpsz)
{
    if (!lpsz || !*lpsz) {
        Empty();
        return;
    }
    const int needed = WideCharToMultiByte(CP_ACP, 0, lpsz, -1, nullptr, 0, nullptr, nullptr);
    if (needed <= 1) {
        Empty();
        return;
    }
    AllocBuffer(needed - 1);
    WideCharToMultiByte(CP_ACP, 0, lpsz, -1, m_pchData, needed, nullptr, nullptr);
    m_nDataLength = needed - 1;
    m_pchData[m_nDataLength] = 0;
}

void CString::Empty()
{
    FreeHeap();
    m_nDataLength = 0;
    m_achInline[0] = 0;
}

char CString::GetAt(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex < m_nDataLength);
    return m_pchData[nIndex];
}

void CString::SetAt(int nIndex, char ch)
{
    ASSERT(nIndex >= 0 && nIndex < m_nDataLength);
    if (nIndex >= 0 && nIndex < m_nDataLength)
        m_pchData[nIndex] = ch;
}

const CString& CString::operator=(const CString& stringSrc)
{
    if (this != &stringSrc)
        AssignCopy(stringSrc.m_nDataLength, stringSrc.m_pchData);
    return *this;
}

const CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this != &stringSrc) {
        Empty();
        TakeOver(stringSrc);
    }
    return *this;
}

const CString& CString::operator=(char ch)
{
    AssignCopy(1, &ch);
    return *this;
}

const CString& CString::operator=(LPCSTR lpsz)
{
    AssignCopy(SafeLength(lpsz), lpsz);
    return *this;
}

const CString& CString::operator=(LPCWSTR lpsz)
{
    AssignWide(lpsz);
    return *this;
}

const CString& CString::operator+=(const CString& string)
{
    ConcatInPlace(string.m_nDataLength, string.m_pchData);
    return *this;
}

const CString& CString::operator+=(char ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

const CString& CString::operator+=(LPCSTR lpsz)
{
    ConcatInPlace(SafeLength(lpsz), lpsz);
    return *this;
}

CString operator+(const CString& string1, const CString& string2)
{
    CString result(string1);
    result += string2;
    return result;
}

CString operator+(const CString& string, char ch)
{
    CString result(string);
    result += ch;
    return result;
}

CString operator+(char ch, const CString& string)
{
    CString result(ch);
    result += string;
    return result;
}

CString operator+(const CString& string, LPCSTR lpsz)
{
    CString result(string);
    result += lpsz;
    return result;
}

CString operator+(LPCSTR lpsz, const CString& string)
{
    CString result(lpsz);
    result += string;
    return result;
}

int CString::Compare(LPCSTR lpsz) const
{
    return std::strcmp(m_pchData, lpsz ? lpsz : "");
}

int CString::CompareNoCase(LPCSTR lpsz) const
{
    return _stricmp(m_pchData, lpsz ? lpsz : "");
}

int CString::Collate(LPCSTR lpsz) const
{
    return CompareStringA(LOCALE_USER_DEFAULT, 0, m_pchData, -1, lpsz ? lpsz : "", -1) - CSTR_EQUAL;
}

int CString::CollateNoCase(LPCSTR lpsz) const
{
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, m_pchData, -1, lpsz ? lpsz : "", -1)
           - CSTR_EQUAL;
}

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = std::clamp(nFirst, 0, m_nDataLength);
    nCount = std::clamp(nCount, 0, m_nDataLength - nFirst);
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, m_nDataLength);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    nCount = std::clamp(nCount, 0, m_nDataLength);
    return CString(m_pchData + m_nDataLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR lpszCharSet) const
{
    return Left(static_cast<int>(std::strspn(m_pchData, lpszCharSet)));
}

CString CString::SpanExcluding(LPCSTR lpszCharSet) const
{
    return Left(static_cast<int>(std::strcspn(m_pchData, lpszCharSet)));
}

void CString::MakeUpper()
{
    if (m_nDataLength)
        CharUpperBuffA(m_pchData, m_nDataLength);
}

void CString::MakeLower()
{
    if (m_nDataLength)
        CharLowerBuffA(m_pchData, m_nDataLength);
}

void CString::MakeReverse()
{
    std::reverse(m_pchData, m_pchData + m_nDataLength);
}

int CString::Replace(char chOld, char chNew)
{
    int count = 0;
    if (chOld == chNew)
        return 0;
    for (int i = 0; i < m_nDataLength; ++i) {
        if (m_pchData[i] == chOld) {
            m_pchData[i] = chNew;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew)
{
    const int oldLength = SafeLength(lpszOld);
    if (oldLength == 0)
        return 0;
    CString result;
    int count = 0;
    LPCSTR rest = m_pchData;
    for (LPCSTR hit; (hit = std::strstr(rest, lpszOld)) != nullptr; rest = hit + oldLength) {
        result.ConcatInPlace(static_cast<int>(hit - rest), rest);
        result += lpszNew;
        ++count;
    }
    if (count) {
        result += rest;
        *this = std::move(result);
    }
    return count;
}

int CString::Remove(char chRemove)
{
    char* end = std::remove(m_pchData, m_pchData + m_nDataLength, chRemove);
    const int removed = static_cast<int>(m_pchData + m_nDataLength - end);
    if (removed) {
        m_nDataLength -= removed;
        m_pchData[m_nDataLength] = 0;
    }
    return removed;
}

int CString::Insert(int nIndex, char ch)
{
    return Insert(nIndex, CString(ch));
}

int CString::Insert(int nIndex, LPCSTR pstr)
{
    const CString inserted(pstr); // pstr may point into our own buffer
    nIndex = std::clamp(nIndex, 0, m_nDataLength);
    const int count = inserted.GetLength();
    if (count) {
        EnsureCapacity(m_nDataLength + count);
        std::memmove(m_pchData + nIndex + count, m_pchData + nIndex, m_nDataLength - nIndex + 1);
        std::memcpy(m_pchData + nIndex, inserted.m_pchData, count);
        m_nDataLength += count;
    }
    return m_nDataLength;
}

int CString::Delete(int nIndex, int nCount)
{
    nIndex = std::max(nIndex, 0);
    if (nIndex < m_nDataLength && nCount > 0) {
        nCount = std::min(nCount, m_nDataLength - nIndex);
        std::memmove(m_pchData + nIndex, m_pchData + nIndex + nCount,
                     m_nDataLength - nIndex - nCount + 1);
        m_nDataLength -= nCount;
    }
    return m_nDataLength;
}

void CString::TrimRight()
{
    int length = m_nDataLength;
    while (length > 0 && IsWhiteSpace(m_pchData[length - 1]))
        --length;
    if (length != m_nDataLength) {
        m_nDataLength = length;
        m_pchData[length] = 0;
    }
}

void CString::TrimRight(char chTarget)
{
    const char targets[2] = { chTarget, 0 };
    TrimRight(targets);
}

void CString::TrimRight(LPCSTR lpszTargets)
{
    int length = m_nDataLength;
    while (length > 0 && std::strchr(lpszTargets, m_pchData[length - 1]))
        --length;
    if (length != m_nDataLength) {
        m_nDataLength = length;
        m_pchData[length] = 0;
    }
}

void CString::TrimLeft()
{
    int skip = 0;
    while (skip < m_nDataLength && IsWhiteSpace(m_pchData[skip]))
        ++skip;
    Delete(0, skip);
}

void CString::TrimLeft(char chTarget)
{
    const char targets[2] = { chTarget, 0 };
    TrimLeft(targets);
}

void CString::TrimLeft(LPCSTR lpszTargets)
{
    int skip = 0;
    while (skip < m_nDataLength && std::strchr(lpszTargets, m_pchData[skip]))
        ++skip;
    Delete(0, skip);
}

int CString::Find(char ch) const
{
    return Find(ch, 0);
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= m_nDataLength)
        return -1;
    const void* hit = std::memchr(m_pchData + nStart, ch, m_nDataLength - nStart);
    return hit ? static_cast<int>(static_cast<const char*>(hit) - m_pchData) : -1;
}

int CString::Find(LPCSTR lpszSub) const
{
    return Find(lpszSub, 0);
}

int CString::Find(LPCSTR lpszSub, int nStart) const
{
    if (!lpszSub || nStart < 0 || nStart > m_nDataLength)
        return -1;
    LPCSTR hit = std::strstr(m_pchData + nStart, lpszSub);
    return hit ? static_cast<int>(hit - m_pchData) : -1;
}

int CString::ReverseFind(char ch) const
{
    for (int i = m_nDataLength - 1; i >= 0; --i) {
        if (m_pchData[i] == ch)
            return i;
    }
    return -1;
}

int CString::FindOneOf(LPCSTR lpszCharSet) const
{
    const size_t at = std::strcspn(m_pchData, lpszCharSet);
    return at < static_cast<size_t>(m_nDataLength) ? static_cast<int>(at) : -1;
}

void CString::Format(LPCSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void CString::Format(UINT nFormatID, ...)
{
    CString format;
    format.LoadString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(LPCSTR lpszFormat, va_list argList)
{
    va_list measure;
    va_copy(measure, argList);
    const int needed = std::vsnprintf(nullptr, 0, lpszFormat, measure);
    va_end(measure);
    if (needed <= 0) {
        Empty();
        return;
    }
    // The arguments may point into this string, so format into a fresh buffer.
    CString result;
    result.AllocBuffer(needed);
    std::vsnprintf(result.m_pchData, needed + 1, lpszFormat, argList);
    result.m_nDataLength = needed;
    *this = std::move(result);
}

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCEA((nID >> 4) + 1), RT_STRING);
    // String resources are stored as counted UTF-16; LoadStringW with a zero length gives
    // a read-only pointer to the text, so any length loads whole.
    LPCWSTR text = nullptr;
    const int length = LoadStringW(module, nID, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text) {
        Empty();
        return FALSE;
    }
    const int needed = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    AllocBuffer(needed);
    WideCharToMultiByte(CP_ACP, 0, text, length, m_pchData, needed, nullptr, nullptr);
    m_nDataLength = needed;
    m_pchData[needed] = 0;
    return TRUE;
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    EnsureCapacity(std::max(nMinBufLength, 0));
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(strnlen(m_pchData, m_nAllocLength));
    m_nDataLength = std::min(nNewLength, m_nAllocLength);
    m_pchData[m_nDataLength] = 0;
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    GetBuffer(nNewLength);
    m_nDataLength = std::max(nNewLength, 0);
    m_pchData[m_nDataLength] = 0;
    return m_pchData;
}

void CString::FreeExtra()
{
    if (m_nDataLength == 0) {
        Empty();
    } else if (!IsInline() && m_nDataLength != m_nAllocLength) {
        CString trimmed(m_pchData, m_nDataLength);
        *this = std::move(trimmed);
    }
}

BSTR CString::AllocSysString() const
{
    const int wide = MultiByteToWideChar(CP_ACP, 0, m_pchData, m_nDataLength, nullptr, 0);
    BSTR result = SysAllocStringLen(nullptr, wide);
    if (result)
        MultiByteToWideChar(CP_ACP, 0, m_pchData, m_nDataLength, result, wide);
    return result;
}

bool operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
bool operator==(const CString& s1, LPCSTR s2) { return s1.Compare(s2) == 0; }
bool operator==(LPCSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
bool operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
bool operator!=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) != 0; }
bool operator!=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
bool operator<(const CString& s1, LPCSTR s2) { return s1.Compare(s2) < 0; }
bool operator<(LPCSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
bool operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
bool operator>(const CString& s1, LPCSTR s2) { return s1.Compare(s2) > 0; }
bool operator>(LPCSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
bool operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
bool operator<=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) <= 0; }
bool operator<=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
bool operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
bool operator>=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) >= 0; }
bool operator>=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }
