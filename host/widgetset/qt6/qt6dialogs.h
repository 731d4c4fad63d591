// The common dialogs of the Qt widgetset (wsdialogs.h): QFileDialog,
// QFontDialog, QColorDialog and QPrintDialog run modally for the request,
// and a small modeless QDialog with the text fields and the Find Next,
// Replace and Replace All buttons for the find and replace dialogs.
//
// The file dialog is Qt's own (not the platform's native one), so it is a
// widget among the application's top-level widgets wherever it runs; the
// classic filter ("Text files (*.txt)|*.txt|All|*.*") becomes Qt's name
// filters, one per description and mask pair.
#pragma once

#include <cstdint>

#include <QtWidgets/QDialog>

#include "host/widgetset/wsdialogs.h"

namespace host::qt6 {

// Runs a file, font, colour or print dialog for Request over Parent (null:
// none) and answers IDOK (Request holds what the user chose) or IDCANCEL.
// Without Qt's print support the print dialog answers IDCANCEL.
int32_t RunModalDialog(TCommonDialogRequest& Request, QWidget* Parent);

// A find or replace dialog for Request, not yet shown: its buttons call
// Request.OnAction with the texts in its fields, and closing it calls it
// with TCommonDialogAction::Close. It deletes itself when closed.
QDialog* MakeFindDialog(const TCommonDialogRequest& Request, QWidget* Parent);
// The program closes a find dialog: closing it no longer tells the host.
void ForgetFindDialog(QDialog* Dialog);

// The classic filter as Qt's name filters (one per pair).
QStringList NameFilters(const std::string& Filter);

}  // namespace host::qt6
