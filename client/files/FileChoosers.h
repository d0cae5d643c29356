#pragma once

#include <QString>

class ClientMessages;

// The file choosers of every writer and loader of the client, by extension ("plz", "dfz", "xml").

// The chooser filter for an extension: "PLZ (*.PLZ *.plz)" for "plz".
QString fileChooserFilter(const QString& extension);

// The path, or "" when it names an existing file and the clerk refuses to overwrite it.
QString confirmOverwrite(ClientMessages& messages, const QString& path);

// The chosen path, or "" when the clerk cancels or refuses to overwrite an existing file. A name
// typed without an extension gets ".extension", so the open chooser lists the file written.
QString getSaveFileName(ClientMessages& messages, const QString& extension);

// The chosen path, or "" when the clerk cancels.
QString getOpenFileName(ClientMessages& messages, const QString& extension);
