#pragma once
// What the helper agrees to do. It may run with administrator rights, so it
// carries out exactly one request, deleting the program's settings file, and
// refuses any other path or command handed to it.

#include <string>
#include <vector>

enum class HelperResult { Done = 0, Refused = 1, Failed = 2 };

// `items` are the six arguments: product, version, program file, "0", path, command.
// The path must name a plain file "kfzkosten.ini" directly inside a data
// folder "tarvo", written without "." or ".." steps; links are not followed.
HelperResult carryOut(const std::vector<std::string>& items, std::string& reason);
