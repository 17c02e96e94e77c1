#include "afxwin.h"

// The entry point of a windowed application of the framework: everything happens in
// AfxWinMain, with the application object the program defines.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
