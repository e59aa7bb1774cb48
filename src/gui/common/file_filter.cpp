#include "gui/common/file_filter.h"

#include <QStringList>

namespace trb::gui {

namespace {

// "*.txt;*.csv" → "*.txt *.csv"; "*.*" → "*".
QString Patterns(const QString& text) {
    QStringList patterns;
    for (QString pattern : text.split(';', Qt::SkipEmptyParts)) {
        pattern = pattern.trimmed();
        if (pattern == "*.*") pattern = "*";
        if (!pattern.isEmpty()) patterns << pattern;
    }
    return patterns.join(' ');
}

QString Entry(const QString& description, const QString& patterns) {
    const QString shown = description.trimmed().isEmpty() ? patterns : description.trimmed();
    return shown + " (" + Patterns(patterns) + ")";
}

}  // namespace

QString QtFileFilter(std::string_view filter) {
    const QStringList parts =
        QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split('|');
    QStringList entries;
    if (parts.size() == 1) {
        if (!parts[0].trimmed().isEmpty()) entries << Entry({}, parts[0]);
    } else {
        for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
            if (!Patterns(parts[i + 1]).isEmpty()) entries << Entry(parts[i], parts[i + 1]);
        }
        if (parts.size() % 2 == 1 && !Patterns(parts.back()).isEmpty()) entries << Entry({}, parts.back());
    }
    return entries.join(";;");
}

}  // namespace trb::gui
