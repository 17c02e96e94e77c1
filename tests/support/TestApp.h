#pragma once
#include "afxwin.h"

#include <deque>
#include <string>
#include <vector>

// The application object of every framework test program. Message boxes never wait for
// a person: each prompt is recorded and answered with the next queued answer, or with
// IDCANCEL when none is queued.
class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp("tnwtest") {}

    int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;

    // Queues the answer for the next message box.
    void AnswerNextMessageBox(int answer) { mAnswers.push_back(answer); }
    // The prompts shown so far, oldest first; cleared by ForgetMessageBoxes.
    const std::vector<std::string>& MessageBoxes() const { return mPrompts; }
    void ForgetMessageBoxes();

private:
    std::deque<int> mAnswers;
    std::vector<std::string> mPrompts;
};

CTestApp& TestApp();
