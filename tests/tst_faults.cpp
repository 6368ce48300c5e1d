#include "settings/IniDocument.h"
#include "settings/SettingsFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace folionix;

namespace {

const QString Section = QStringLiteral("UserFormSettings");

QString writerProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/settings_writer");
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Files in the folder other than the settings file: leftover temporaries or locks.
QStringList strays(const QString &folder, const QString &settingsName)
{
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    files.removeAll(settingsName);
    return files;
}

} // namespace

// Faults through real processes and real files: kills, races, full disks, stale locks, links.
class TestFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void killDuringSavesLeavesWholeFile();
    void concurrentSaversLoseNothing();
    void staleLockDoesNotBlock();
    void halfWrittenLockDoesNotBlockForLong();
    void fullDiskRefusesAndKeepsOldFile();
    void linksAndPermissions_data();
    void linksAndPermissions();
};

void TestFaults::killDuringSavesLeavesWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Reader.INI"));
    const int size = 400000;
    QRandomGenerator random(1211);
    int lastSeen = -1;
    for (int round = 0; round < 25; ++round) {
        QProcess writer;
        writer.start(writerProgram(), {QStringLiteral("loop"), path, QString::number(size)});
        QVERIFY(writer.waitForStarted());
        // Let a random number of saves complete, then kill in the middle of the next one.
        const int saves = 1 + random.bounded(4);
        int done = 0;
        while (done < saves && writer.waitForReadyRead(10000))
            done += writer.readAll().count('\n');
        QVERIFY2(writer.state() == QProcess::Running, writer.readAllStandardError().constData());
        writer.kill();
        QVERIFY(writer.waitForFinished());

        const IniDocument doc = IniDocument::fromBytes(readFile(path));
        const auto payload = doc.value(Section, u"Payload");
        QVERIFY2(payload.has_value(), "the settings file lost its value");
        const QStringList parts = payload->split(u':');
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parts[0], parts[2]);
        QCOMPARE(parts[1].size(), size);
        QVERIFY(readFile(path).startsWith("[UserFormSettings]\nPayload="));
        lastSeen = parts[0].toInt();
    }
    QVERIFY(lastSeen >= 0);
}

void TestFaults::concurrentSaversLoseNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Reader.INI"));
    QProcess first, second;
    first.start(writerProgram(), {QStringLiteral("keys"), path, QStringLiteral("A"), QStringLiteral("200")});
    second.start(writerProgram(), {QStringLiteral("keys"), path, QStringLiteral("B"), QStringLiteral("200")});
    QVERIFY(first.waitForFinished(120000) && second.waitForFinished(120000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);

    const QByteArray bytes = readFile(path);
    QCOMPARE(bytes.count('\n'), 401);
    const IniDocument doc = IniDocument::fromBytes(bytes);
    for (const char *prefix : {"A", "B"}) {
        for (int i = 1; i <= 200; ++i) {
            const QString key = QLatin1String(prefix) + QString::number(i);
            QCOMPARE(doc.value(Section, key), QString::number(i));
            QCOMPARE(bytes.count("\n" + key.toLatin1() + "="), 1);
        }
    }
    QCOMPARE(strays(dir.path(), QStringLiteral("Reader.INI")), QStringList());
}

void TestFaults::staleLockDoesNotBlock()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Reader.INI"));
    QProcess holder;
    holder.start(writerProgram(), {QStringLiteral("hold"), path});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readAll(), QByteArray("locked\n"));
    holder.kill();
    QVERIFY(holder.waitForFinished());
    QVERIFY(QFile::exists(path + QStringLiteral(".lock")));

    QElapsedTimer clock;
    clock.start();
    TSettingsFile(path).WriteText(Section, QStringLiteral("FormCaption"), QStringLiteral("after the crash"));
    qInfo("save after a stale lock took %lld ms", clock.elapsed());
    QCOMPARE(TSettingsFile(path).ReadText(Section, QStringLiteral("FormCaption"), QString()),
             QStringLiteral("after the crash"));
    QCOMPARE(strays(dir.path(), QStringLiteral("Reader.INI")), QStringList());
}

// A process killed between creating its lock file and writing into it leaves an empty lock.
void TestFaults::halfWrittenLockDoesNotBlockForLong()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Reader.INI"));
    QFile lock(path + QStringLiteral(".lock"));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.close();
    QElapsedTimer clock;
    clock.start();
    TSettingsFile(path).WriteText(Section, QStringLiteral("FormCaption"), QStringLiteral("saved"));
    qInfo("save past an empty lock took %lld ms", clock.elapsed());
    QCOMPARE(strays(dir.path(), QStringLiteral("Reader.INI")), QStringList());
}

void TestFaults::fullDiskRefusesAndKeepsOldFile()
{
#ifdef Q_OS_LINUX
    if (::geteuid() != 0)
        QSKIP("a full disk needs a small tmpfs, which only root can mount here");
    QTemporaryDir dir;
    if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir.path()}) != 0)
        QSKIP("mounting a small tmpfs is not allowed here");
    auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {dir.path()}); });

    const QString path = dir.filePath(QStringLiteral("Reader.INI"));
    TSettingsFile ini(path);
    ini.WriteText(Section, QStringLiteral("InfoButtonText"), QString(8000, u'i'));
    const QByteArray before = readFile(path);
    {
        QFile filler(dir.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    try {
        ini.WriteText(Section, QStringLiteral("InfoButtonText"), QString(9000, u'j'));
        QFAIL("a save onto a full disk reported success");
    } catch (const EIniFileException &error) {
        QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Unable to write to %1").arg(path));
    }
    QCOMPARE(readFile(path), before);
    // A save of several keys is one replacement: none of them lands.
    QVERIFY_THROWS_EXCEPTION(EIniFileException, ini.WriteTexts(Section, {{QStringLiteral("FormCaption"), QStringLiteral("x")},
                                                                         {QStringLiteral("InfoButtonText"), QString(9000, u'k')}}));
    QCOMPARE(readFile(path), before);
    QFile::remove(dir.filePath(QStringLiteral("filler")));
    QCOMPARE(strays(dir.path(), QStringLiteral("Reader.INI")), QStringList());
#else
    QSKIP("needs a Linux tmpfs");
#endif
}

void TestFaults::linksAndPermissions_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<bool>("written");
    QTest::newRow("dangling link: the target is created") << "dangling" << true;
    QTest::newRow("link to a file elsewhere: written through") << "link" << true;
    QTest::newRow("file without write permission: refused") << "no write" << false;
}

void TestFaults::linksAndPermissions()
{
    QFETCH(QString, situation);
    QFETCH(bool, written);
    QTemporaryDir dir, elsewhere;
    const QString path = dir.filePath(QStringLiteral("Reader.INI"));
    const QString target = elsewhere.filePath(QStringLiteral("real.INI"));
    const QByteArray before = "[UserFormSettings]\nFormCaption=old\n";
    if (situation != "dangling") {
        QFile file(situation == "link" ? target : path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    if (situation != "no write")
        QVERIFY(QFile::link(target, path));
    else
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

    bool refused = false;
    try {
        TSettingsFile(path).WriteText(Section, QStringLiteral("FormCaption"), QStringLiteral("new"));
    } catch (const EIniFileException &) {
        refused = true;
    }
    QCOMPARE(refused, !written);
    if (written) {
        QVERIFY(QFileInfo(path).isSymLink());
        QVERIFY(readFile(target).contains("FormCaption=new\n"));
    } else {
        QCOMPARE(readFile(path), before);
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

QTEST_GUILESS_MAIN(TestFaults)
#include "tst_faults.moc"
