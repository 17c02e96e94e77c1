#pragma once
#include "persist/XmlDocument.h"

#include "afx.h"
#include "tnwbscut.h"

// A client for the maker's web services: posts named parameters as a form to an http or
// https address and reads the answer as an XML document whose top element holds
// "result" (a number: 0 failure, anything else success), "message" (a text for the user)
// and, optionally, "data" (a persistent object stored under that name, loaded into the
// object set with SetObject).
//
// The request is a POST to site + path with the encoded parameters both after "?" in the
// address and as the form body (Content-Type application/x-www-form-urlencoded), sent by
// UWebPost; reading the answer (ReadAnswer) needs no network.
//
// Decisions of this library:
// - The address goes to the server exactly as built: only its scheme is compared without
//   regard to case, to tell https from http. The path and the parameters keep their case.
// - Certificates of https servers are checked in full, their name and dates included.
// - Only a whole answer under a success status (2xx) is an answer. A reply that is cut
//   short, an error status, a refused connection or a server silent beyond the timeout
//   (SetTimeout, 30 s unless set) all leave the message "Unable to connect to " + site and
//   an empty answer text.
// - A site that is neither http nor https is not asked at all; it ends like a refused
//   connection.
class AFX_EXT_CLASS CWebXml {
public:
    static const char* const kResultTag;
    static const char* const kMessageTag;
    static const char* const kDataTag;
    static const char* const kUnableToConnect;
    static const char* const kFormContentType;

    CWebXml();
    virtual ~CWebXml();
    CWebXml(const CWebXml&) = delete;
    CWebXml& operator=(const CWebXml&) = delete;

    void SetSite(const char* site);
    void SetPath(const char* path);
    // Appends the encoded pair when both are non-empty.
    void AddParam(const char* name, const char* value);
    void AddParam(const char* name, int value);
    // The parameters' name=value texts joined with "&".
    CString GetParams() const;
    // site + path, then "?" and the parameters when there are any.
    CString GetUrl() const;
    void SetObject(CPersistObject* object);
    // Milliseconds to wait for the server at most; 0 restores the default.
    void SetTimeout(DWORD timeoutMs) { mTimeout = timeoutMs; }
    // Deletes the parameters and empties the answer document.
    void Reset();

    // Sends the request; the answer text, or empty when there was no answer (the
    // document then holds the failure message).
    CString RunUrl();
    // Sends the request and reads the answer: true when its result is not 0, after the
    // "data" element (if any) was loaded into the object.
    bool Run();
    // What Run does with the answer text once it is there: parses it into the document (a
    // text that is no document leaves the document as it was, failure message included)
    // and, when its result is not 0, loads the "data" element (if any) into the object;
    // whether the result was not 0.
    bool ReadAnswer(const char* answer);
    // The answer's message, or the failure text; empty when there is none. windows.h
    // turns GetMessage into GetMessageA (or W) wherever it is seen; the member is declared
    // under its own name and reachable under both others.
#pragma push_macro("GetMessage")
#undef GetMessage
    CString GetMessage() const;
    CString GetMessageA() const { return GetMessage(); }
    CString GetMessageW() const { return GetMessage(); }
#pragma pop_macro("GetMessage")

    CXmlDocument& GetDocument() { return mDocument; }

private:
    CString mSite;
    CString mPath;
    CPointerList mParams;
    // FindChild sorts children on demand, so reading the message may rearrange them.
    mutable CXmlDocument mDocument;
    CPersistObject* mObject;
    DWORD mTimeout;
};
