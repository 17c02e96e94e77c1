#pragma once

// The number of GDI objects (bitmaps, brushes, fonts, regions, device contexts ...) the
// process holds now, so that a test can see that drawing gives back what it takes.
//
// The system keeps some objects for later use once code has needed them (the screen's
// device context, a freed memory device context for the next one): take the first count
// after the code under test has run once, and let it run many times before the second.
unsigned CountGdiObjects();
