// The real server on its own thread.
#include "apoio/ServidorEmThread.h"

#include "Servidor.h"

TServidorEmThread::TServidorEmThread(const TLimites& limites)
    : FLimites(limites)
{
    start();
    FPronto.acquire();
}

TServidorEmThread::~TServidorEmThread()
{
    quit();
    wait();
}

void TServidorEmThread::run()
{
    TOpcoesServidor opcoes;
    opcoes.Endereco = QHostAddress::LocalHost;
    opcoes.PortaLogin = opcoes.PortaJogo = opcoes.PortaCadastro = 0;
    opcoes.PastaDados = Pasta.path();
    TServidor servidor(opcoes, FLimites);
    const bool iniciado = servidor.Iniciar(Erro);
    PortaLogin = servidor.PortaLogin();
    PortaJogo = servidor.PortaJogo();
    PortaCadastro = servidor.PortaCadastro();
    FPronto.release();
    if (iniciado)
        exec();
}
