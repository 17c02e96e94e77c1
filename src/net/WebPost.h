#pragma once
#include "afx.h"

// Posts a form body to an http or https address and reads the whole answer: the network
// half of the web service client (CWebXml), kept apart from the reading of its answers.
//
// The address goes to the server exactly as given: only its scheme is compared without
// regard to case, to tell https from http. Certificates of https servers are checked in
// full. The answer's lines are joined with CR LF, whichever line ends the server sent.
class AFX_EXT_CLASS UWebPost {
public:
    static constexpr const char* kFormContentType = "Content-Type: application/x-www-form-urlencoded";

    // False, with answer untouched, when the address is neither http nor https, the
    // server cannot be reached, answers with a status other than 2xx, breaks off or stays
    // silent beyond timeoutMs (0: the session's default).
    static bool Post(const char* address, const CString& body, DWORD timeoutMs, CString& answer);
};
