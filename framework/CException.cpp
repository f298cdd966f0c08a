#include "CException.h"

void AfxThrowUserException() {
    throw new CUserException;
}

void AfxReportAndDelete(CException* e) {
    e->ReportError();
    e->Delete();
}
