// C++ files made of every fragment that some mappers write, each fragment in
// a function of its own, for the build's compiler to compile. A problem seen
// while writing them is added to `problems`.
#pragma once

#include <string>

std::string ValueFragmentsFile(std::string& problems);
std::string ArrayFragmentsFile(std::string& problems);
