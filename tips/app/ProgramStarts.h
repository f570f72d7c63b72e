#pragma once
#include <string>

// The running executable's full path.
std::string OwnExePath();
// Starts a program shown normally; whether it started is not checked.
void StartProgram(const std::string& commandLine);
// Starts kest.exe from the program folder with the address in double quotes.
void OpenInKest(const std::string& address);
