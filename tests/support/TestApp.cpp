#include "TestApp.h"

int CTestApp::DoMessageBox(LPCSTR lpszPrompt, UINT, UINT)
{
    mPrompts.emplace_back(lpszPrompt ? lpszPrompt : "");
    if (mAnswers.empty())
        return IDCANCEL;
    const int answer = mAnswers.front();
    mAnswers.pop_front();
    return answer;
}

void CTestApp::ForgetMessageBoxes()
{
    mPrompts.clear();
    mAnswers.clear();
}
