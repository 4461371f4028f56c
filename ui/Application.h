#pragma once
// The application object: title, default error report, and the message loop for programs
// that own one. Inside a library the host's loop drives the windows and Run is never called.
#include <windows.h>

#include <exception>
#include <string>

#include "ui/Component.h"

class TForm;

// The text the default error report shows: a full stop follows a last character above '.'.
std::string ErrorReportText(const std::string& message);

class TApplication : public TComponent {
public:
  TApplication();

  // The module holding this code: the program, or the library it is linked into.
  HINSTANCE Instance() const;

  void Initialize();
  // Creates a form owned by the application; the first one becomes the main form.
  template <typename Form>
  void CreateForm(Form*& reference) {
    reference = new Form(this);
    if (!FMainForm) FMainForm = reference;
  }
  TForm* MainForm() const { return FMainForm; }
  // Shows the main form and processes messages until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Handles every pending message and returns.
  void ProcessMessages();
  int MessageBox(const std::string& text, const std::string& caption, UINT flags);

  // The default error report; the silent abort shows nothing. Call only inside a catch block.
  void HandleException();
  void ShowException(const std::exception& error);

  std::string Title;

private:
  bool ProcessMessage();

  TForm* FMainForm = nullptr;
  bool FTerminated = false;
};

extern TApplication* Application;
