// The source the shared precompiled headers of the test programs are built with.
