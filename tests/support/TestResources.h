#pragma once
#include <string>

// The bytes of an RCDATA resource of the test program, or an empty string when it has
// none with that id.
std::string LoadResourceBytes(int id);

// Writes an RCDATA resource of the test program to a file; false when the resource is
// missing or the file cannot be written.
bool WriteResourceToFile(int id, const std::string& path);
