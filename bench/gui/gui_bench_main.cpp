// The windows need an application object; without a display they draw offscreen.
#include <QApplication>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform cannot shape windows and says so for every window; that is no news here.
void quietMasks(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QLatin1String("window masks")) &&
        !message.contains(QLatin1String("propagateSizeHints"))) {
        previousHandler(type, context, message);
    }
}

} // namespace

int main(int argc, char** argv) {
    previousHandler = qInstallMessageHandler(quietMasks);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // Window timings scatter: a median of nine by default; a repetition count given on the command
    // line comes later and wins.
    std::vector<char*> arguments(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=9";
    arguments.insert(arguments.begin() + 1, repetitions);
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
