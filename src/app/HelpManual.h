#pragma once

#include <QString>
#include <QUrl>

class Platform;
class QWidget;

// The program's own manual, carried inside it as HTML pages and written out into the data
// folder when the user asks for it, so the browser opens a plain local file.
namespace HelpManual {

enum class Page { Manual, Tutorial, HomePage };

// Writes every page into dataFolder/帮助 (refreshing older copies) and returns the file URL
// of the page asked for; an empty URL when the page could not be written and is not there.
QUrl writeOut(const QString& dataFolder, Page page);

// Where writeOut puts a page.
QString pagePath(const QString& dataFolder, Page page);

// Writes the pages out and has the browser show one; where no browser takes it, a message over
// `parent` says where the page is. Does nothing when the page cannot be written.
void show(Platform& platform, const QString& dataFolder, Page page, QWidget* parent);

} // namespace HelpManual
