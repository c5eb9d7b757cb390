#include "present/table_text.h"

namespace gelvor {

QChar csv_separator(const QLocale& locale) {
    return locale.decimalPoint() == QStringLiteral(",") ? u';' : u',';
}

QString csv_record(const QStringList& fields, QChar separator) {
    QString out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += separator;
        }
        const QString& f = fields[i];
        if (f.contains(separator) || f.contains(u'"') || f.contains(u'\n') || f.contains(u'\r')) {
            QString quoted = f;
            quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            out += u'"' + quoted + u'"';
        } else {
            out += f;
        }
    }
    return out + QStringLiteral("\r\n");
}

QString tsv_line(const QStringList& fields) {
    QStringList clean = fields;
    for (QString& f : clean) {
        for (QChar& c : f) {
            if (c == u'\t' || c == u'\n' || c == u'\r') {
                c = u' ';
            }
        }
    }
    return clean.join(u'\t') + u'\n';
}

}  // namespace gelvor
