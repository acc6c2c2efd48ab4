// The sound effects: short 16-bit PCM mono WAV files synthesised from notes, bells and filtered noise.
#include "Desenhos.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

namespace {

constexpr int Taxa = 22050;

/// A mono track being mixed, in seconds and amplitudes around 1.
class TFaixa {
public:
    explicit TFaixa(double segundos)
        : FAmostras(size_t(segundos * Taxa), 0.0)
    {
    }

    /// A pitched note: `parciais` are (multiple of the frequency, amplitude, decay per second).
    void Nota(double inicio, double duracao, double freq, double volume,
        std::initializer_list<std::array<double, 3>> parciais, double ataque = 0.005, double vibrato = 0)
    {
        const size_t i0 = size_t(inicio * Taxa);
        const size_t n = size_t(duracao * Taxa);
        double fase = 0; // integrated, so the vibrato stays a vibrato however long the note
        for (size_t k = 0; k < n && i0 + k < FAmostras.size(); ++k) {
            const double t = double(k) / Taxa;
            const double env = std::min(1.0, t / ataque) * std::min(1.0, (duracao - t) / 0.02);
            fase += 2 * M_PI * freq * (1 + vibrato * std::sin(2 * M_PI * 5.5 * t)) / Taxa;
            double v = 0;
            for (const auto& [mult, amp, decai] : parciais)
                v += amp * std::exp(-decai * t) * std::sin(fase * mult);
            FAmostras[i0 + k] += volume * env * v;
        }
    }

    /// A bell-like tone (inharmonic partials, long decay).
    void Sino(double inicio, double freq, double volume, double duracao = 0.9)
    {
        Nota(inicio, duracao, freq, volume, {{1, 1, 4}, {2.76, 0.45, 7}, {5.4, 0.25, 11}, {8.9, 0.12, 16}}, 0.002);
    }

    /// A brass-like tone (many harmonics, soft attack, a little vibrato).
    void Metal(double inicio, double duracao, double freq, double volume)
    {
        Nota(inicio, duracao, freq, volume, {{1, 1, 0.8}, {2, 0.6, 1}, {3, 0.42, 1.4}, {4, 0.25, 2}, {5, 0.15, 2.5}, {6, 0.08, 3}},
            0.03, 0.004);
    }

    /// A sweep of a sine from one frequency to another.
    void Varredura(double inicio, double duracao, double f0, double f1, double volume)
    {
        const size_t i0 = size_t(inicio * Taxa);
        const size_t n = size_t(duracao * Taxa);
        double fase = 0;
        for (size_t k = 0; k < n && i0 + k < FAmostras.size(); ++k) {
            const double t = double(k) / n;
            const double f = f0 * std::pow(f1 / f0, t);
            fase += 2 * M_PI * f / Taxa;
            const double env = std::min(1.0, t * 20) * (1 - t);
            FAmostras[i0 + k] += volume * env * (std::sin(fase) + 0.25 * std::sin(2 * fase));
        }
    }

    /// Noise through a one-pole low-pass (and optional high-pass), with an exponential decay.
    void Ruido(double inicio, double duracao, double volume, double corte, double decai, double grave = 0, unsigned semente = 1)
    {
        const size_t i0 = size_t(inicio * Taxa);
        const size_t n = size_t(duracao * Taxa);
        const double a = 1 - std::exp(-2 * M_PI * corte / Taxa);
        const double b = grave > 0 ? 1 - std::exp(-2 * M_PI * grave / Taxa) : 0;
        double baixo = 0, lento = 0;
        unsigned estado = semente * 2654435761u + 12345;
        for (size_t k = 0; k < n && i0 + k < FAmostras.size(); ++k) {
            estado = estado * 1664525u + 1013904223u;
            const double branco = ((estado >> 8) & 0xffff) / 32768.0 - 1;
            baixo += a * (branco - baixo);
            lento += b * (baixo - lento);
            const double t = double(k) / Taxa;
            const double env = std::min(1.0, t / 0.002) * std::exp(-decai * t);
            FAmostras[i0 + k] += volume * env * (baixo - lento);
        }
    }

    /// A drum: a sine whose pitch falls, with a noise click.
    void Tambor(double inicio, double volume, double f0 = 150, double f1 = 50)
    {
        Varredura(inicio, 0.35, f0, f1, volume);
        Ruido(inicio, 0.08, volume * 0.5, 3000, 40, 0, unsigned(inicio * 1000) + 7);
    }

    /// A short wooden click (a die hitting the table).
    void Clique(double inicio, double volume, double tom, unsigned semente)
    {
        Ruido(inicio, 0.03, volume, 6000, 180, 1200, semente);
        Nota(inicio, 0.04, tom, volume * 0.6, {{1, 1, 90}, {1.6, 0.5, 120}}, 0.0005);
    }

    /// The WAV file: normalised to `pico` of full scale, faded at both ends.
    QByteArray Wav(double alvo = 0.8) const
    {
        std::vector<double> s = FAmostras;
        double pico = 1e-9;
        for (double v : s)
            pico = std::max(pico, std::abs(v));
        const double ganho = alvo / pico;
        const size_t borda = size_t(0.004 * Taxa);
        QByteArray dados;
        dados.resize(qsizetype(s.size() * 2));
        for (size_t i = 0; i < s.size(); ++i) {
            double v = s[i] * ganho;
            if (i < borda)
                v *= double(i) / borda;
            if (i + borda > s.size())
                v *= double(s.size() - i) / borda;
            qToLittleEndian<qint16>(qint16(std::lround(std::clamp(v, -1.0, 1.0) * 32767)), dados.data() + i * 2);
        }
        QByteArray wav;
        auto u32 = [&](quint32 v) {
            char b[4];
            qToLittleEndian(v, b);
            wav.append(b, 4);
        };
        auto u16 = [&](quint16 v) {
            char b[2];
            qToLittleEndian(v, b);
            wav.append(b, 2);
        };
        wav.append("RIFF");
        u32(quint32(36 + dados.size()));
        wav.append("WAVEfmt ");
        u32(16);
        u16(1);        // PCM
        u16(1);        // mono
        u32(Taxa);
        u32(Taxa * 2); // bytes per second
        u16(2);        // block align
        u16(16);       // bits
        wav.append("data");
        u32(quint32(dados.size()));
        wav.append(dados);
        return wav;
    }

private:
    std::vector<double> FAmostras;
};

double Nota(int semitonsDeLa4)
{
    return 440.0 * std::pow(2.0, semitonsDeLa4 / 12.0);
}

// Named notes (semitones from A4).
constexpr int E4 = -5, G4 = -2, A4 = 0, C5 = 3, E5 = 7, G5 = 10, C6 = 15, E6 = 19, G6 = 22;

QByteArray Bemvindo()
{
    TFaixa f(1.25);
    f.Metal(0.00, 0.14, Nota(C5), 0.5);
    f.Metal(0.14, 0.14, Nota(E5), 0.5);
    f.Metal(0.28, 0.14, Nota(G5), 0.5);
    f.Metal(0.42, 0.8, Nota(C6), 0.55);
    f.Metal(0.42, 0.8, Nota(G5), 0.3);
    f.Metal(0.42, 0.8, Nota(E5), 0.25);
    f.Tambor(0.42, 0.4, 110, 45);
    return f.Wav();
}

QByteArray Suavez()
{
    TFaixa f(1.1);
    f.Sino(0.0, Nota(G5), 0.5);
    f.Sino(0.18, Nota(C6), 0.6, 0.9);
    return f.Wav();
}

QByteArray Atacado()
{
    TFaixa f(0.8);
    for (int i = 0; i < 2; ++i) {
        f.Metal(i * 0.3, 0.26, Nota(A4 - 12), 0.5);
        f.Metal(i * 0.3, 0.26, Nota(E4), 0.25);
    }
    f.Tambor(0.0, 0.5, 120, 40);
    f.Tambor(0.3, 0.5, 120, 40);
    return f.Wav();
}

QByteArray Alvo()
{
    TFaixa f(0.4);
    f.Varredura(0.0, 0.16, 500, 1100, 0.4);
    f.Sino(0.14, Nota(E6), 0.4, 0.25);
    return f.Wav();
}

QByteArray Desmarca()
{
    TFaixa f(0.25);
    f.Varredura(0.0, 0.2, 900, 380, 0.5);
    return f.Wav();
}

QByteArray Andando()
{
    TFaixa f(0.7);
    for (int i = 0; i < 4; ++i) {
        f.Ruido(i * 0.15, 0.12, 0.7, 500, 30, 60, unsigned(3 + i));
        f.Varredura(i * 0.15, 0.08, 110, 70, 0.25);
        f.Ruido(i * 0.15 + 0.01, 0.05, 0.12, 7000, 60, 3000, unsigned(9 + i)); // a little gear jingle
    }
    return f.Wav();
}

QByteArray Dados()
{
    TFaixa f(0.8);
    double t = 0;
    double passo = 0.035;
    for (int i = 0; i < 14; ++i) {
        f.Clique(t, 0.5 * (1 - i / 20.0), 1800 + (i * 337) % 900, unsigned(20 + i));
        t += passo;
        passo *= 1.13;
    }
    return f.Wav();
}

QByteArray Ataque()
{
    TFaixa f(1.0);
    f.Ruido(0.0, 0.9, 1.0, 700, 6, 30, 41);   // the blast
    f.Varredura(0.0, 0.5, 140, 38, 0.8);       // the thump
    f.Nota(0.12, 0.7, 1250, 0.25, {{1, 1, 6}, {1.51, 0.6, 8}, {2.31, 0.4, 10}}, 0.001); // steel ringing
    return f.Wav();
}

QByteArray Defesa()
{
    TFaixa f(0.8);
    f.Nota(0.0, 0.75, 520, 0.5, {{1, 1, 6}, {2.58, 0.6, 9}, {4.25, 0.4, 12}, {6.0, 0.2, 16}}, 0.001);
    f.Ruido(0.0, 0.1, 0.5, 4000, 40, 200, 51);
    f.Varredura(0.0, 0.2, 180, 90, 0.4);
    return f.Wav();
}

QByteArray NovaCarta()
{
    TFaixa f(0.6);
    // the swish of the card, then a soft sparkle
    const int passos = 12;
    for (int i = 0; i < passos; ++i)
        f.Ruido(i * 0.012, 0.03, 0.18 + 0.02 * i, 1500 + 500 * i, 50, 800, unsigned(60 + i));
    f.Clique(0.16, 0.3, 1400, 71);
    f.Sino(0.2, Nota(E6), 0.22, 0.35);
    f.Sino(0.28, Nota(G6), 0.18, 0.3);
    return f.Wav();
}

QByteArray Direito()
{
    TFaixa f(0.45);
    f.Sino(0.0, Nota(G6 - 12), 0.45, 0.45);
    f.Sino(0.05, Nota(C6), 0.35, 0.4);
    return f.Wav();
}

QByteArray Copo()
{
    TFaixa f(0.5);
    double t = 0;
    for (int i = 0; i < 10; ++i) {
        f.Ruido(t, 0.03, 0.45, 2200, 120, 500, unsigned(80 + i)); // muffled by the leather
        f.Nota(t, 0.03, 900 + (i * 211) % 400, 0.18, {{1, 1, 100}}, 0.0005);
        t += 0.035 + 0.01 * ((i * 7) % 3);
    }
    return f.Wav();
}

QByteArray Objetivo()
{
    TFaixa f(1.3);
    const int notas[] = {A4 - 12, C5 - 12, E5 - 12, A4}; // A minor, rising
    for (int i = 0; i < 4; ++i)
        f.Nota(i * 0.12, 1.1 - i * 0.12, Nota(notas[i]), 0.3, {{1, 1, 1.5}, {2, 0.3, 2.5}, {3, 0.1, 3}}, 0.04, 0.003);
    f.Sino(0.5, Nota(E6), 0.2, 0.7);
    return f.Wav();
}

// The eight room signals (F1 to F8 in the preparation room).
QByteArray Sinal(int n)
{
    TFaixa f(1.1);
    switch (n) {
    case 1: // bugle call
        f.Metal(0.0, 0.16, Nota(G4), 0.5);
        f.Metal(0.18, 0.16, Nota(C5), 0.5);
        f.Metal(0.36, 0.5, Nota(E5), 0.5);
        break;
    case 2: // door bell
        f.Sino(0.0, Nota(E5), 0.5, 0.6);
        f.Sino(0.35, Nota(C5), 0.5, 0.7);
        break;
    case 3: // drum roll and hit
        for (int i = 0; i < 12; ++i)
            f.Ruido(i * 0.04, 0.05, 0.25 + i * 0.02, 3500, 50, 300, unsigned(100 + i));
        f.Tambor(0.5, 0.8, 130, 45);
        f.Ruido(0.5, 0.4, 0.4, 6000, 8, 2000, 120);
        break;
    case 4: // a referee's whistle: two blasts, with breath
        f.Nota(0.0, 0.25, 1700, 0.4, {{1, 1, 0}, {2, 0.08, 0}}, 0.01, 0.015);
        f.Nota(0.32, 0.45, 1850, 0.4, {{1, 1, 0}, {2, 0.08, 0}}, 0.01, 0.02);
        f.Ruido(0.0, 0.25, 0.08, 5000, 2, 1500, 300);
        f.Ruido(0.32, 0.45, 0.08, 5000, 2, 1500, 301);
        return f.Wav(0.45);
    case 5: // charge!
        for (int i = 0; i < 4; ++i) {
            const int notas[] = {G4, C5, E5, G5};
            f.Metal(i * 0.1, i == 3 ? 0.55 : 0.1, Nota(notas[i]), 0.5);
        }
        break;
    case 6: // applause
        for (int i = 0; i < 30; ++i)
            f.Ruido(i * 0.03 + 0.01 * ((i * 7) % 3), 0.04, 0.3, 5000, 80, 800, unsigned(200 + i));
        break;
    case 7: // gong
        f.Nota(0.0, 1.05, 110, 0.6, {{1, 1, 2}, {2.41, 0.7, 2.5}, {3.7, 0.5, 3}, {5.2, 0.3, 4}, {7.3, 0.2, 5}}, 0.004);
        break;
    default: { // a merry little tune
        const int notas[] = {C5, E5, G5, E5, C6};
        for (int i = 0; i < 5; ++i)
            f.Sino(i * 0.13, Nota(notas[i]), 0.4, i == 4 ? 0.5 : 0.2);
        break;
    }
    }
    return f.Wav();
}

} // namespace

QByteArray SintetizarEfeito(const QString& nome)
{
    static const std::map<QString, std::function<QByteArray()>> efeitos = {
        {QStringLiteral("Bemvindo"), Bemvindo},
        {QStringLiteral("Suavez"), Suavez},
        {QStringLiteral("Atacado"), Atacado},
        {QStringLiteral("Alvo"), Alvo},
        {QStringLiteral("Desmarca"), Desmarca},
        {QStringLiteral("Andando"), Andando},
        {QStringLiteral("Dados"), Dados},
        {QStringLiteral("Ataque"), Ataque},
        {QStringLiteral("Defesa"), Defesa},
        {QStringLiteral("NovaCarta"), NovaCarta},
        {QStringLiteral("Direito"), Direito},
        {QStringLiteral("Copo"), Copo},
        {QStringLiteral("Objetivo"), Objetivo},
    };
    const auto achado = efeitos.find(nome);
    if (achado != efeitos.end())
        return achado->second();
    if (nome.startsWith(QLatin1String("Som_0")))
        return Sinal(nome.mid(5).toInt());
    return {};
}
