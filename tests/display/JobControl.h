#pragma once
#include "TestJobs.h"
#include "resource.h"

// A control of the display tests: jobs in three columns (Name, Size right-aligned,
// State) with 16-pixel row images, described by a CJobDescription.
template <class TControl>
class CJobControl : public TControl {
public:
    CJobDescription jobs;
    bool withImages = true;

    void CreateListHeaders() override
    {
        this->InsertColumn(0, "Name", LVCFMT_LEFT, 120);
        this->InsertColumn(1, "Size", LVCFMT_RIGHT, 80);
        this->InsertColumn(2, "State", LVCFMT_LEFT, 100);
    }
    int GetImageListResource(int& cx, int& cy) override
    {
        cx = cy = 16;
        return withImages ? IDB_ROW_IMAGES : 0;
    }
    const char* GetObjectText(CPersistObject* object, int column, bool forToolTip) override
    {
        return jobs.Text(object, column, forToolTip);
    }
    int GetObjectImage(CPersistObject* object) override { return jobs.Image(object); }
    bool GetObjectChecked(CPersistObject* object) override { return jobs.Checked(object); }
    bool CheckObject(CPersistObject* object, bool check) override { return jobs.Check(object, check); }
};
