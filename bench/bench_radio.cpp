// The rig link against Hamlib's dummy rig (rigctld -m 1), polling every
// 500 ms as the program does. Targets: a frequency set by another program
// read within 1 s; a tune reported by rigctld within 100 ms; under 0.5% of
// a core while idle, 300 ms of CPU over 60 s.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "platform/LienRadio.h"
#include "support/GrosLog.h"

namespace {

quint16 portLibre() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

// One command from a second client, as another program sends it.
QByteArray commande(quint16 port, const QByteArray& c) {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    if (!s.waitForConnected(500)) return {};
    s.write(c + '\n');
    QByteArray r;
    while (!r.contains('\n') && s.waitForReadyRead(1000)) r += s.readAll();
    return r.trimmed();
}

void attendre(int ms) {
    QEventLoop boucle;
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    boucle.exec();
}

double cpuSecondes() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// rigctld running and the link reading it.
struct Banc {
    QProcess rig;
    quint16 port = portLibre();
    LienRadio lien;
    qint64 lue = 0;

    bool ouvrir() {
        rig.start(QStringLiteral("rigctld"), {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port)});
        if (!rig.waitForStarted()) return false;
        QElapsedTimer t;
        t.start();
        while (commande(port, "f").isEmpty())
            if (t.elapsed() > 3000) return false;
        QObject::connect(&lien, &LienRadio::frequenceLue, [this](qint64 hz) { lue = hz; });
        lien.demarrer(QStringLiteral("127.0.0.1"), port, 3000);
        t.restart();
        while (lue == 0 && t.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        return lue != 0;
    }
    ~Banc() {
        lien.arreter();
        rig.kill();
        rig.waitForFinished();
    }
};

}  // namespace

static void BM_Radio_LectureFrequence(benchmark::State& state) {
    Banc b;
    if (!b.ouvrir()) return state.SkipWithError("rigctld -m 1 ne répond pas (paquet libhamlib-utils ?)");
    qint64 hz = 7000000;
    for (auto _ : state) {
        attendre(int(hz / 1000 % 13) * 37);  // anywhere in the polling interval
        hz += 1000;
        QElapsedTimer t;
        t.start();
        commande(b.port, "F " + QByteArray::number(hz));
        while (b.lue != hz && t.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        state.SetIterationTime(double(t.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_Radio_LectureFrequence)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

static void BM_Radio_Reglage(benchmark::State& state) {
    Banc b;
    if (!b.ouvrir()) return state.SkipWithError("rigctld -m 1 ne répond pas (paquet libhamlib-utils ?)");
    qint64 hz = 14000000;
    for (auto _ : state) {
        hz += 1000;
        QElapsedTimer t;
        t.start();
        b.lien.regler(hz, QStringLiteral("CW"));
        while (t.elapsed() < 2000) {
            QCoreApplication::processEvents();
            if (commande(b.port, "f") == QByteArray::number(hz)) break;
        }
        state.SetIterationTime(double(t.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_Radio_Reglage)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// Reported as the CPU milliseconds the link used in 60 s of polling.
static void BM_Radio_CpuRepos60s(benchmark::State& state) {
    Banc b;
    if (!b.ouvrir()) return state.SkipWithError("rigctld -m 1 ne répond pas (paquet libhamlib-utils ?)");
    for (auto _ : state) {
        const double avant = cpuSecondes();
        attendre(60000);
        state.SetIterationTime(cpuSecondes() - avant);
    }
}
BENCHMARK(BM_Radio_CpuRepos60s)->UseManualTime()->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return benchMain(argc, argv); }
