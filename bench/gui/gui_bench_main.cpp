// The windows need an application object; without a display they draw offscreen.
#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform cannot shape windows and says so for every window; that is no news here.
void quietMasks(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QLatin1String("window masks"))) {
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
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
