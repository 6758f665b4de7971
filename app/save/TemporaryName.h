#pragma once

#include <functional>

// The name a file has in its folder while it is being saved, before it replaces its target: a
// short one, ".zobrin-" and six random letters or digits, so that a target whose name is as long
// as the folder allows can be saved too.
//
// While the name is taken, a signal that would end the program (INT, TERM, HUP or XFSZ, at its
// default action) removes it first, and then ends the program as it would have, with the same
// exit status; a signal the program ignores or handles itself is left alone. One name at a time
// in a process: saves are made one after the other.
class TemporaryName {
public:
    TemporaryName() = default;
    ~TemporaryName() { Remove(); }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;

    // Calls `make` with fresh names in the folder open as `folder` until it returns 0, having put
    // a file at that name, or fails otherwise than with EEXIST. False with errno set then.
    bool Take(int folder, const std::function<int(const char* name)>& make);
    const char* Name() const { return name; }

    // The file at the name has been renamed to its target: the name is no longer there.
    void Release();
    // Removes the file at the name, if one is still taken.
    void Remove();

private:
    void Let(bool remove);

    int folder = -1;
    char name[16] = {};
};
