#pragma once

// The bad-input corpus of tests/corpus/bad_box_texts.txt, for every test that
// feeds the setting boxes with what students may type.
#include <gtest/gtest.h>

#include <QFile>
#include <QList>
#include <QString>

namespace gelvor::corpus {

enum class Box { barometer, ambient, water };

struct Entry {
    Box box;
    QString text;
    QString label;  // the line as written, for failure messages
};

// Names of each box as its fault message must say them.
inline QString box_name(Box b) {
    switch (b) {
        case Box::barometer:
            return QString::fromUtf8("presión barométrica");
        case Box::ambient:
            return QString::fromUtf8("temperatura ambiente");
        case Box::water:
            return QString::fromUtf8("temperatura de entrada de agua");
    }
    return {};
}

namespace detail {

inline QByteArray decode(const QByteArray& quoted) {
    QByteArray out;
    for (qsizetype i = 0; i < quoted.size(); ++i) {
        const char c = quoted[i];
        if (c != '\\' || i + 1 >= quoted.size()) {
            out += c;
            continue;
        }
        const char e = quoted[++i];
        if (e == 't')
            out += '\t';
        else if (e == 'n')
            out += '\n';
        else if (e == 'r')
            out += '\r';
        else if (e == 'x') {
            out += static_cast<char>(quoted.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else if (e == 'u') {  // \u{XXXX}
            const qsizetype close = quoted.indexOf('}', i);
            const char32_t code = quoted.mid(i + 2, close - i - 2).toUInt(nullptr, 16);
            out += QString::fromUcs4(&code, 1).toUtf8();
            if (code == 0)
                out += '\0';
            i = close;
        } else {
            out += e;
        }
    }
    return out;
}

}  // namespace detail

// Every entry for every box it applies to. A file that cannot be read or
// holds no entry fails the test that loads it: a bad-input test must not pass
// on nothing.
inline QList<Entry> load(const QString& path = QString::fromUtf8(GELVOR_CORPUS_FILE)) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read the bad-input corpus " << path.toStdString() << ": "
                      << file.errorString().toStdString();
        return {};
    }
    QList<Entry> out;
    QList<Box> boxes;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        if (line.startsWith('[')) {
            boxes = line == "[all]"         ? QList{Box::barometer, Box::ambient, Box::water}
                    : line == "[barometer]" ? QList{Box::barometer}
                    : line == "[ambient]"   ? QList{Box::ambient}
                                            : QList{Box::water};
            continue;
        }
        qsizetype close = 1;
        while (close < line.size() && !(line[close] == '"' && line[close - 1] != '\\')) {
            ++close;
        }
        QByteArray bytes = detail::decode(line.mid(1, close - 1));
        const qsizetype star = line.indexOf('*', close);
        if (star > 0) {
            bytes = bytes.repeated(line.mid(star + 1).trimmed().toInt());
        }
        const QString text = QString::fromUtf8(bytes);
        for (Box b : boxes) {
            out.append({b, text, QString::fromUtf8(line.left(80))});
        }
    }
    if (out.isEmpty()) {
        ADD_FAILURE() << "the bad-input corpus " << path.toStdString() << " holds no entry";
    }
    return out;
}

}  // namespace gelvor::corpus
