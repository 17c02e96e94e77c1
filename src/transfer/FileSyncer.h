#pragma once
#include "afxwin.h"

// The kind of file being synced; it picks the folder a physical syncer puts it in.
enum EMediaType : int {
    kMediaTypeNone = 0,
    kMediaTypeVideo = 1,
    kMediaTypeAudio = 2,
    kMediaTypePhoto = 8,
    kMediaTypeRingtone = 32,
};

// Puts one finished file where the user wants it: the application sets the file, the
// media type and, for the library syncers, a destination (a playlist name), and calls
// Sync, which runs PreSync, SyncSelf and PostSync in that order and answers whether the
// file reached its target. The derived classes decide the destination and transfer.
//
// A syncer is set up once and used for many files. Copies copy the settings; every syncer
// keeps its own link to its target, never shared.
class AFX_EXT_CLASS CFileSyncer {
public:
    CFileSyncer();
    CFileSyncer(const CFileSyncer& other);
    CFileSyncer& operator=(const CFileSyncer& other);
    virtual ~CFileSyncer();

    // True when the file reached the target.
    virtual bool Sync();

    // A null pointer is ignored.
    void SetFromFile(const char* path);
    const CString& GetFromFile() const { return mFromFile; }
    // A null pointer is ignored.
    void SetDestination(const char* destination);
    const CString& GetDestination() const { return mDestination; }
    void SetMediaType(EMediaType type) { mMediaType = type; }
    EMediaType GetMediaType() const { return mMediaType; }

protected:
    virtual void PreSync();
    // The base transfers nothing.
    virtual bool SyncSelf();
    virtual void PostSync();

    EMediaType mMediaType = kMediaTypeNone;
    CString mFromFile;
    CString mDestination;
};
