// The settings core under Google Benchmark: reads from the demo file and from large files, the
// launcher's full read pass, and a save of all 24 keys with its atomic replacement.
#include "settings/Colors.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace folionix;

namespace {

QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    return dir;
}

QByteArray demoFile()
{
    QFile file(QStringLiteral(FOLIONIX_DEMO_INI));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The demo settings after a filler section of the given size, so a read crosses all of it.
QString fixture(qint64 fillerBytes)
{
    const QString path = workDir().filePath(QStringLiteral("filler-%1.INI").arg(fillerBytes));
    if (!QFile::exists(path)) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        if (fillerBytes > 0) {
            file.write("[Filler]\n");
            const QByteArray line("Key=the quick brown fox jumps over the lazy dog 0123456789\n");
            for (qint64 written = 0; written < fillerBytes; written += line.size())
                file.write(line);
        }
        file.write(demoFile());
    }
    return path;
}

void BM_ReadText(benchmark::State &state)
{
    const QString path = fixture(state.range(0));
    for (auto _ : state) {
        const TSettingsFile ini(path);
        benchmark::DoNotOptimize(ini.ReadText(SettingsSection, QStringLiteral("FormCaption"), QString()));
    }
    state.SetComplexityN(state.range(0) + 600);
    state.SetBytesProcessed(state.iterations() * (state.range(0) + 600));
}
BENCHMARK(BM_ReadText)->Arg(0)->Arg(1 << 20)->Arg(4 << 20)->Arg(16 << 20)->Arg(50 << 20)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);

// What showing the launcher reads: one accessor for 16 keys, one for the manuscript count,
// one per shown button's caption.
void BM_LauncherReadPass(benchmark::State &state)
{
    const QString path = fixture(0);
    const QString &s = SettingsSection;
    for (auto _ : state) {
        {
            const TSettingsFile ini(path);
            for (const char *key : {"FormCaption", "LabelCaption", "Button1", "Button2", "Button3", "Button4",
                                    "Button5", "Button6", "FontName"})
                benchmark::DoNotOptimize(ini.ReadText(s, QLatin1String(key), QString()));
            benchmark::DoNotOptimize(TextToColor(ini.ReadText(s, QStringLiteral("FormColor"), QString())));
            benchmark::DoNotOptimize(TextToColor(ini.ReadText(s, QStringLiteral("FontColor"), QString())));
            benchmark::DoNotOptimize(ini.ReadNumber(s, QStringLiteral("FontSize"), 8));
            for (const char *key : {"FontBold", "FontItalics", "FontUnderline", "FontStrikeout"})
                benchmark::DoNotOptimize(ini.ReadFlag(s, QLatin1String(key), false));
        }
        {
            const TSettingsFile ini(path);
            for (int n = ManuscriptCount; n >= 1; --n)
                benchmark::DoNotOptimize(ini.ReadText(s, manuscriptKey(n), QString()));
        }
        for (int n = 1; n <= 3; ++n)
            benchmark::DoNotOptimize(TSettingsFile(path).ReadText(s, buttonKey(n), QString()));
    }
}
BENCHMARK(BM_LauncherReadPass)->Unit(benchmark::kMicrosecond);

void BM_SaveAllKeys(benchmark::State &state)
{
    const QString path = workDir().filePath(QStringLiteral("save.INI"));
    QFile::remove(path);
    QFile::copy(fixture(0), path);
    TSettingsFile::KeyValues values;
    for (const SettingKey &key : SettingKeys)
        values.append({key.name, QStringLiteral("value of %1").arg(key.name)});
    for (auto _ : state)
        TSettingsFile(path).WriteTexts(SettingsSection, values);
}
BENCHMARK(BM_SaveAllKeys)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
