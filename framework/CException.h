// Classes in this file:
//   CException     - base of the framework's exceptions; thrown as heap pointers,
//                    and whoever catches one calls Delete().
//   CUserException - the silent abort of the current command: the user has been
//                    told already, or needs no message.
#pragma once

class CException {
public:
    virtual ~CException() = default;

    // Tells the user about the failure; called by the window procedure for an
    // exception that left a message handler.
    virtual void ReportError() = 0;
    void Delete() { delete this; }
};

class CUserException : public CException {
public:
    void ReportError() override {}
};

// Abandons the current command without a message.
[[noreturn]] void AfxThrowUserException();

// Reports an exception that left a message handler, then deletes it.
void AfxReportAndDelete(CException* e);
