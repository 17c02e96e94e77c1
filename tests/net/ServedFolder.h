#pragma once
#include "LocalServer.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

// A suite of tests that share a local server of the given kind and the scratch folder it
// serves, started before the suite's first test and stopped after its last.
template <CLocalServer::EKind kKind>
class ServedFolder : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sRoot = new ScratchFolder;
        sServer = new CLocalServer(kKind, sRoot->Path());
        ASSERT_TRUE(sServer->Start());
    }
    static void TearDownTestSuite()
    {
        delete sServer;
        delete sRoot;
    }

    static inline ScratchFolder* sRoot = nullptr;
    static inline CLocalServer* sServer = nullptr;
};
