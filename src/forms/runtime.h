#pragma once
// The window runtime: every window exists at most once and is reached by name.
//
// - show(): a window that is not loaded is created and its Load runs to the
//   end before the show returns; the show never waits for the window to close.
// - hide(): the window stays loaded with all its state.
// - unload(): runs the window's Unload, which may cancel.
// - endProgram(): closes every window at once; no Unload runs after it.
// - The program ends when no window is loaded any more (a hidden one counts
//   as loaded).
#include <QString>
#include <QStringList>
#include <functional>

namespace forms {

class Form;

using Factory = std::function<Form*()>;

void registerForm(const QString& name, Factory factory);
bool isRegistered(const QString& name);

// Loads the window when it is not loaded (running its Load); returns it.
// nullptr when the name is unknown, or when the Load unloaded the window or
// ended the program.
Form* load(const QString& name);
// Loads when needed, then shows and brings the window forward.
Form* show(const QString& name);
void hide(const QString& name);
// Runs the Unload; true when the window is unloaded, false when it cancelled.
bool unload(const QString& name);
bool unload(Form* form);

bool isLoaded(const QString& name);
Form* loaded(const QString& name);  // nullptr when not loaded
QStringList loadedNames();

// Every topmost window that is shown makes way for a program the student
// has just opened (a document, a folder), until it is activated again.
void yieldTopmostWindows();

void endProgram();
bool programEnded();

// Called once the program has ended (the application quits); tests install
// their own to observe the end instead.
void setEndHandler(std::function<void()> handler);

// Tests: forgets every loaded window without running an Unload and clears the
// ended state. Registrations are kept.
void resetForTests();

}  // namespace forms
