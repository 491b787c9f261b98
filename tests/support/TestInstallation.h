#pragma once
// A temporary installation folder: files are written relative to ExePath.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

class TestInstallation
{
public:
    TestInstallation() { QDir(m_dir.path()).mkpath(QStringLiteral("Config")); }

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& relative) const { return QDir(m_dir.path()).filePath(relative); }

    void write(const QString& relative, const QByteArray& content) const
    {
        const QString full = filePath(relative);
        QDir().mkpath(QFileInfo(full).absolutePath());
        QFile file(full);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(content);
    }

    QByteArray read(const QString& relative) const
    {
        QFile file(filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Copies the built translation modules so that the language switch works.
    void copyTranslations(const QString& configDir) const
    {
        for (const QFileInfo& qm : QDir(configDir).entryInfoList({QStringLiteral("*.qm")}))
            QFile::copy(qm.absoluteFilePath(), filePath(QStringLiteral("Config/") + qm.fileName()));
    }

private:
    QTemporaryDir m_dir;
};
