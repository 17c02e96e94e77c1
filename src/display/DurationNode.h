#pragma once
#include "display/Duration.h"
#include "display/ObjectNode.h"

// The node that shows a duration (CDuration) on a horizontal time axis: pixel =
// seconds x xScale + xOrigin. DrawSelf works out the span's ends in pixels and hands
// them to DrawDuration, which a deriving node overrides to draw the span its own way (the
// base draws nothing). A span shorter than a pixel is not drawn. Changes of the start or
// the end repaint the window; a change of the maximum repaints through the changes of
// start and end it causes.
//
// Decision of this library: the ends are whole pixels (seconds x scale, rounded, held
// within the range of an int whatever the duration holds), compared and passed as they
// are, so that a span is never lost or misplaced where positions pass 65535 pixels.
class AFX_EXT_CLASS CDurationNode : public CObjectNode {
public:
    explicit CDurationNode(CObjectDisplay* parent);
    ~CDurationNode() override;

    // The duration shown, or null.
    CDuration* GetDuration();

    void DrawSelf(CDC* dc, double xScale, double yScale, int xOrigin, int yOrigin) override;
    // Draws the span from startX to endX (pixels before the origin is added).
    virtual void DrawDuration(CDC* dc, int startX, int endX, int xOrigin, int yOrigin);

    bool Respond(long code, CBroadcaster* broadcaster, long data1, long data2) override;
};
