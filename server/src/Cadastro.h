// The account port's logic: check a nick and create the account, then take its personal data.
#pragma once

#include "Canal.h"
#include "Contas.h"
#include "Pedido.h"
#include "Relogio.h"

#include <QHash>

/// Error codes of "ConFal", shown by the client after "Falha na Criação da Nova Conta - Erro ".
namespace ErroCadastro {
inline constexpr const char* NickInvalido = "01";
inline constexpr const char* SenhaInvalida = "02";
inline constexpr const char* NickEmUso = "03";
inline constexpr const char* FalhaInterna = "04";
inline constexpr const char* JaCriada = "05";
}

/// New accounts start as members (type 1), so a newcomer can play at once.
inline constexpr int TipoContaNova = 1;

class TCadastro {
public:
    TCadastro(TBancoContas& banco, TRelogio relogio = {});

    void Recebeu(ICanal* canal, const TPedido& pedido);
    void Desconectou(ICanal* canal);

private:
    void ChkNic(ICanal* canal, const TPedido& p);
    void SetVa2(ICanal* canal, const TPedido& p);

    TBancoContas& FBanco;
    TRelogio FRelogio;
    /// The account each connection created: only its own personal data may be written.
    QHash<ICanal*, qint64> FCriadas;
};
