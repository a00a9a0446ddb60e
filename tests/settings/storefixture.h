// A settings store of the test's own in a temporary folder, and the stored text read straight from it.
#pragma once

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

class TempStore {
public:
    // Every store opened after this, in the native per-user form, is a new file under the folder.
    TempStore() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path()); }

    QString path() const { return m_dir.path() + QStringLiteral("/Brisken/CorvaneCalc.conf"); }
    bool exists() const { return QFile::exists(path()); }

    // Puts the text in place of the store, as a hand-edited file.
    void write(const QByteArray &text) const
    {
        QDir().mkpath(m_dir.path() + QStringLiteral("/Brisken"));
        QFile file(path());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(text);
    }

    QByteArray text() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Every stored value as the file holds it, by "Section/Name".
    QMap<QString, QString> values() const
    {
        QMap<QString, QString> found;
        QString section;
        for (const QByteArray &raw : text().split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith(u'[') && line.endsWith(u']')) {
                section = line.mid(1, line.size() - 2);
            } else if (const qsizetype equals = line.indexOf(u'='); equals > 0) {
                found.insert(section + u'/' + line.left(equals), line.mid(equals + 1));
            }
        }
        return found;
    }

private:
    QTemporaryDir m_dir;
};
