#pragma once
#include <string>
#include <vector>

// What the robustness tests and the mutation benchmark feed to the XML reader.

// Documents as they reach the reader: a settings file of the library's writer, a web
// service answer, and a file written by another tool.
std::vector<std::string> RealXmlDocuments();

// Parses bytes (read only up to a guard page after their end), checks what must hold for
// the tree of any text, writes the tree and parses that again. Returns an empty text when
// all held, otherwise what did not.
std::string CheckDamagedXml(const std::string& bytes);
