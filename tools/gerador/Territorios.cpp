// The 42 territories as the generator draws them.
#include "Territorios.h"

#include "game/Tabuleiro.h"

namespace {

const TDadosContinente TabelaContinentes[] = {
    {"AS", "\u00c1SIA", "\u00c1SIA", QColor(0xc9, 0xb2, 0x62)},
    {"AF", "\u00c1FRICA", "\u00c1FRICA", QColor(0xc8, 0x82, 0x5a)},
    {"EU", "EUROPA", "EUROPA", QColor(0x86, 0x9c, 0xc8)},
    {"AN", "AM\u00c9RICA DO NORTE", "AM. DO NORTE", QColor(0xd6, 0x9a, 0x48)},
    {"AM", "AM\u00c9RICA DO SUL", "AM. DO SUL", QColor(0x86, 0xae, 0x5c)},
    {"OC", "OCEANIA", "OCEANIA", QColor(0xb8, 0x84, 0xb0)},
};

// Top-left corners of the 32 x 32 board markers of territories 1..42: the board's layout.
constexpr QPoint Marcadores[] = {
    {428, 437}, {60, 85}, {388, 157}, {532, 189}, {356, 261}, {164, 453},
    {692, 465}, {692, 361}, {196, 373}, {100, 165}, {148, 389}, {644, 237},
    {140, 309}, {420, 365}, {556, 85}, {420, 249}, {284, 85}, {588, 261},
    {324, 157}, {332, 125}, {764, 229}, {204, 149}, {116, 93}, {500, 417},
    {60, 253}, {620, 189}, {468, 149}, {764, 409}, {148, 181}, {524, 141},
    {492, 253}, {148, 133}, {428, 189}, {364, 197}, {604, 109}, {436, 309},
    {396, 101}, {644, 369}, {612, 157}, {92, 117}, {660, 301}, {700, 125},
};

TContinente ContinenteDoCodigo(const QString& codigo)
{
    for (int c = 0; c < NumeroContinentes; ++c)
        if (codigo == QLatin1String(TabelaContinentes[c].Codigo))
            return static_cast<TContinente>(c);
    return TContinente::Asia;
}

} // namespace

const TDadosContinente& Continente(TContinente c)
{
    return TabelaContinentes[static_cast<int>(c)];
}

const std::array<TTerritorio, 43>& Territorios()
{
    // Names, symbols, continents and neighbours come from the client's own territory table.
    static const std::array<TTerritorio, 43> tabela = [] {
        const auto paises = CarregarPaises(ListaPaisesPadrao());
        std::array<TTerritorio, 43> t{};
        for (int n = 1; n <= NumeroTerritorios; ++n) {
            const TPais& p = paises[size_t(n - 1)];
            std::vector<int> vizinhos;
            for (const QString& v : p.Vizinhos.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                vizinhos.push_back(v.toInt());
            t[size_t(n)] = {n, p.Nome.trimmed(), p.Simbolo.isEmpty() ? ' ' : p.Simbolo[0].toLatin1(),
                ContinenteDoCodigo(p.Continente), Marcadores[n - 1], std::move(vizinhos)};
        }
        return t;
    }();
    return tabela;
}
