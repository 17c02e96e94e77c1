#include "ProgressAction.h"

#include <gtest/gtest.h>

namespace {

class Step : public CProgressAction {
public:
    char* GetText() override { return const_cast<char*>("step"); }
    double GetProgress() override { return 0.25; }
};

class Job : public CProgressAction {
public:
    CProgressAction* child = nullptr;
    char* detail = nullptr;
    CProgressAction* GetChildAction() override { return child; }
    char* GetDetailText() override { return detail; }
    double GetDetailProgress() override { return 0.75; }
};

} // namespace

TEST(ProgressAction, DetailComesFromTheChildFirstThenFromTheActionItself)
{
    Job job;
    double progress = -1;
    EXPECT_EQ(job.GetDetail(progress), nullptr);
    EXPECT_EQ(progress, -1) << "no detail leaves the progress alone";

    job.detail = const_cast<char*>("own");
    EXPECT_STREQ(job.GetDetail(progress), "own");
    EXPECT_EQ(progress, 0.75);

    Step step;
    job.child = &step;
    EXPECT_STREQ(job.GetDetail(progress), "step");
    EXPECT_EQ(progress, 0.25);
}
