// The 42 territories as the generator draws them.
#include "Territorios.h"

namespace {

using enum TContinente;

const TDadosContinente TabelaContinentes[] = {
    {"AS", "\u00c1SIA", "\u00c1SIA", QColor(0xc9, 0xb2, 0x62)},
    {"AF", "\u00c1FRICA", "\u00c1FRICA", QColor(0xc8, 0x82, 0x5a)},
    {"EU", "EUROPA", "EUROPA", QColor(0x86, 0x9c, 0xc8)},
    {"AN", "AM\u00c9RICA DO NORTE", "AM. DO NORTE", QColor(0xd6, 0x9a, 0x48)},
    {"AM", "AM\u00c9RICA DO SUL", "AM. DO SUL", QColor(0x86, 0xae, 0x5c)},
    {"OC", "OCEANIA", "OCEANIA", QColor(0xb8, 0x84, 0xb0)},
};

} // namespace

const TDadosContinente& Continente(TContinente c)
{
    return TabelaContinentes[static_cast<int>(c)];
}

const std::array<TTerritorio, 43>& Territorios()
{
    static const std::array<TTerritorio, 43> tabela = {{
        {0, "", ' ', Asia, {}, {}},
        {1, "Africa do Sul", 'T', Africa, {428, 437}, {14, 24, 36}},
        {2, "Alaska", 'T', AmericaNorte, {60, 85}, {23, 40, 42}},
        {3, "Alemanha", 'B', Europa, {388, 157}, {19, 33, 34}},
        {4, "Aral", 'T', Asia, {532, 189}, {12, 18, 27, 30, 31}},
        {5, "Arg\u00e9lia", 'B', Africa, {356, 261}, {9, 14, 16, 34, 36}},
        {6, "Argentina", 'Q', AmericaSul, {164, 453}, {9, 11}},
        {7, "Austr\u00e1lia", 'T', Oceania, {692, 465}, {8, 28, 38}},
        {8, "Borneo", 'Q', Oceania, {692, 361}, {7, 28, 41}},
        {9, "Brasil", 'B', AmericaSul, {196, 373}, {5, 6, 11, 13}},
        {10, "Calif\u00f3rnia", 'Q', AmericaNorte, {100, 165}, {25, 29, 32, 40}},
        {11, "Chile", 'T', AmericaSul, {148, 389}, {6, 9, 13}},
        {12, "China", 'B', Asia, {644, 237}, {4, 18, 21, 26, 30, 39, 41, 42}},
        {13, "Col\u00f4mbia", 'T', AmericaSul, {140, 309}, {9, 11, 25}},
        {14, "Congo", 'Q', Africa, {420, 365}, {1, 5, 36}},
        {15, "Dudinka", 'B', Asia, {556, 85}, {26, 30, 35, 39}},
        {16, "Egito", 'T', Africa, {420, 249}, {5, 31, 33, 34, 36}},
        {17, "Groenl\u00e2ndia", 'B', AmericaNorte, {284, 85}, {20, 22, 23}},
        {18, "\u00cdndia", 'Q', Asia, {588, 261}, {4, 12, 31, 38, 41}},
        {19, "Inglaterra", 'B', Europa, {324, 157}, {3, 20, 34, 37}},
        {20, "Isl\u00e2ndia", 'T', Europa, {332, 125}, {17, 19}},
        {21, "Jap\u00e3o", 'Q', Asia, {764, 229}, {12, 42}},
        {22, "Labrador", 'Q', AmericaNorte, {204, 149}, {17, 29, 32}},
        {23, "Mackenzie", 'B', AmericaNorte, {116, 93}, {2, 17, 32, 40}},
        {24, "Madagascar", 'B', Africa, {500, 417}, {1, 36}},
        {25, "M\u00e9xico", 'Q', AmericaNorte, {60, 253}, {10, 13, 29}},
        {26, "Mong\u00f3lia", 'B', Asia, {620, 189}, {12, 15, 30, 39}},
        {27, "Moscou", 'T', Europa, {468, 149}, {4, 30, 31, 33, 37}},
        {28, "Nova Ghin\u00e9", 'B', Oceania, {764, 409}, {7, 8}},
        {29, "Nova York", 'T', AmericaNorte, {148, 181}, {10, 22, 25, 32}},
        {30, "Omsk", 'Q', Asia, {524, 141}, {4, 12, 15, 26, 27}},
        {31, "Oriente M\u00e9dio", 'Q', Asia, {492, 253}, {4, 16, 18, 27, 33}},
        {32, "Ottawa", 'B', AmericaNorte, {148, 133}, {10, 22, 23, 29, 40}},
        {33, "Pol\u00f4nia", 'Q', Europa, {428, 189}, {3, 16, 27, 31, 34}},
        {34, "Portugal", 'Q', Europa, {364, 197}, {3, 5, 16, 19, 33}},
        {35, "Sib\u00e9ria", 'T', Asia, {604, 109}, {15, 39, 42}},
        {36, "Sud\u00e3o", 'Q', Africa, {436, 309}, {1, 5, 14, 16, 24}},
        {37, "Su\u00e9cia", 'B', Europa, {396, 101}, {19, 27}},
        {38, "Sumatra", 'Q', Oceania, {644, 369}, {7, 18}},
        {39, "Tchita", 'T', Asia, {612, 157}, {12, 15, 26, 35, 42}},
        {40, "Vancouver", 'T', AmericaNorte, {92, 117}, {2, 10, 23, 32}},
        {41, "Vietn\u00e3", 'T', Asia, {660, 301}, {8, 12, 18}},
        {42, "Vladivostok", 'B', Asia, {700, 125}, {2, 12, 21, 35, 39}},
    }};
    return tabela;
}
