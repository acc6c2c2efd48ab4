// The program-wide session state (everything that is not game-table state).
#include "app/Sessao.h"

TEstadoSessao Sessao;

void TEstadoSessao::Reiniciar()
{
    *this = TEstadoSessao{};
}

void TEstadoSessao::NovaTentativaLogin()
{
    SaidaSolicitada = false;
    UltimaSeqRecebida = 0;
    SeqEnvio = 0;
    TokensUsuario.clear();
}

namespace {

const std::array<const char*, NumeroPatentes> NomesPatentes = {
    "Recruta - Exercito", "Taifeiro 2 Classe - Exercito", "Taifeiro 1 Classe - Exercito",
    "Taifeiro Morh - Exercito", "Cabo - Exercito", "3 Sargento - Exercito", "2 Sargento - Exercito",
    "1 Sargento - Exercito", "Subtentente - Exercito", "Aspirante Oficial - Exercito", "2 Tenente - Exercito",
    "1 Tenente - Exercito", "Capitao - Exercito", "Major - Exercito", "Tenente Coronel - Exercito",
    "Coronel - Exercito", "General De Brigada - Exercito", "General De Divisao - Exercito",
    "General De Exercito - Exercito", "Marechal - Exercito",
    "Recruta - Marinha", "Marinheiro - Marinha", "Cabo - Marinha", "3 Sargento - Marinha",
    "2 Sargento - Marinha", "1 Sargento - Marinha", "Sub Oficial - Marinha", "Guarda-Marinha - Marinha",
    "2 Tenente - Marinha", "1 Tenente - Marinha", "Capitão Tenente - Marinha", "Capitão-De-Corveta - Marinha",
    "Capitão-De-Fragata - Marinha", "Capitão-De-Mar-E-Guerra - Marinha", "Contra-Almirante - Marinha",
    "Vice-Almirante - Marinha", "Almirante-De-Esquadra - Marinha", "Almirante - Marinha",
    "Recruta - Aeronautica", "Taifeiro Segunda Classe - Aeronautica", "Soldado 2 Classe - Aeronautica",
    "Taifeiro Primeira Classe - Aeronautica", "Soldado 1 Classe - Aeronautica", "Taifeiro Mor - Aeronautica",
    "Cabo - Aeronautica", "3 Sargento - Aeronautica", "2 Sargento - Aeronautica", "1 Sargento - Aeronautica",
    "Sub Oficial - Aeronautica", "Aspirante - Aeronautica", "2 Tenente - Aeronautica", "1 Tenente - Aeronautica",
    "Capitão - Aeronautica", "Major - Aeronautica", "Tenente Coronel - Aeronautica", "Coronel - Aeronautica",
    "Brigadeiro - Aeronautica", "Major Brigadeiro - Aeronautica", "Tenente Brigadeiro - Aeronautica",
    "Marechal Do Ar - Aeronautica",
    "MINISTRO DA DEFESA",
};

} // namespace

QString NomePatente(int patente)
{
    if (patente < 1 || patente > NumeroPatentes)
        return {};
    return QString::fromUtf8(NomesPatentes[patente - 1]);
}

QString EnderecoAdministradores()
{
    return QStringLiteral(VELMOR_ENDERECO_ADMIN);
}

QString ServidorPadrao()
{
    return Sessao.ModoAdmin ? EnderecoAdministradores() : Sessao.EnderecoServidor;
}
