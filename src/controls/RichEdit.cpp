#include "controls/RichEdit.h"

#include "afxrich.h"

StRichEdit::StRichEdit() : mLoaded(AfxInitRichEdit() != FALSE) {}
