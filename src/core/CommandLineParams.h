#pragma once
#include "afx.h"
#include "tnwbscut.h"

// A parsed command line: the positional argument (normally a file to open) and the named
// switches, /name:value or -name:value, as text pairs in the order met.
//
// Parse(text, false) reads a whole raw command line, where a space ends an unquoted
// value; Parse(text, true) reads one argument that the system has already split off, in
// which spaces are ordinary. In both:
// - "-" or "/" starts a switch name, which a colon ends; the value follows the colon,
//   either quoted ("a b") or up to the next space;
// - a value without a pending switch name is the file. An unquoted file runs on to the end
//   of the text, so that a path with spaces needs no quotes: after "/x:1 movie.avi -y:2"
//   the file is "movie.avi -y:2";
// - the character right after a switch mark or an opening quote is taken as it is, so
//   /a:"" gets everything from the second quote to the end of the text.
// A switch without a colon, or with nothing after its colon, adds no pair. Parsing again
// adds to what is there: the pairs of both texts, and the file given last.
//
// Decision of this library: a switch mark or an opening quote that is the very last
// character takes nothing after it. The parser never reads past the end of the text,
// whatever the text holds.
class AFX_EXT_CLASS CCommandLineParams {
public:
    CCommandLineParams();
    CCommandLineParams(const CCommandLineParams& other);
    CCommandLineParams& operator=(const CCommandLineParams& other);
    virtual ~CCommandLineParams();

    // A null or empty text changes nothing.
    void Parse(const char* text, bool wholeArgument);
    // Each argument after the program path, read whole.
    void Parse(char** arguments, int count);

    CString& GetFile() { return mFile; }
    const CString& GetFile() const { return mFile; }
    CLookupList& GetParams() { return mParams; }
    const CLookupList& GetParams() const { return mParams; }
    // True only when there is a file and at least one switch.
    bool HasParams() const;

private:
    // Stores a complete value: as the pending switch's value (and clears the switch), or
    // as the file. Returns whether it became a switch's value.
    bool TakeValue(CString& pendingName, const char* start, const char* end);

    CString mFile;
    CLookupList mParams;
};
