#pragma once

#include "framework/cwnd.h"

#include <string>

// The application: one global object of a class derived from this one. Its InitInstance
// runs the program; the framework's entry point calls it once.
class CWinApp : public CCmdTarget {
public:
    // `appName` nullptr: the name is taken from the executable's file name.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    // The program's start. The programs run their dialog in it and return FALSE: there is
    // no message loop to run after it.
    virtual BOOL InitInstance();
    // The clean-up; returns the exit status.
    virtual int ExitInstance();

    // Asks for the raised control look. Every control already has it: nothing changes.
    BOOL Enable3dControls();
    // The icon of icon resource `id` at the standard icon size; nullptr when there is none.
    HICON LoadIcon(int id) const;
    // The framework's help command. No help file belongs to the programs: it does nothing.
    void OnHelp();

    CWnd* m_pMainWnd = nullptr;
    const char* m_pszAppName;

private:
    friend int AfxWinMain(int argc, char* argv[]);
    // Takes `executableName`, the executable's file name without its extension, as the
    // application's name unless it was given one.
    void NameAfterExecutable(std::string executableName);

    std::string appName_;
};

// The application object; nullptr when there is none.
CWinApp* AfxGetApp();

// The framework's entry point: starts the toolkit (the command line is not passed on),
// calls InitInstance once, then the clean-up, and returns its status (0).
int AfxWinMain(int argc, char* argv[]);
