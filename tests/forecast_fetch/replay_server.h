#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

// A forecast service on 127.0.0.1 for tests: it reads each request and answers as told, or
// never. TARNWICK_FORECAST_URL (or a fetcher's base address) points at Address().
namespace tarnwick::test {

class ReplayServer {
 public:
  enum class Behaviour { Answer, Silent, Endless };

  ReplayServer() {
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) Serve(socket);
    });
    server_.listen(QHostAddress::LocalHost);
  }
  ReplayServer(const ReplayServer&) = delete;
  ReplayServer& operator=(const ReplayServer&) = delete;

  bool Listening() const { return server_.isListening(); }

  // What the next requests get: an HTTP answer with this status line, extra header lines
  // ("Location: ...\r\n") and body; silence after the request; or a body without end.
  void Answer(QByteArray status, QByteArray body, QByteArray headers = {}) {
    behaviour_ = Behaviour::Answer;
    status_ = std::move(status);
    body_ = std::move(body);
    headers_ = std::move(headers);
  }
  void StaySilent() { behaviour_ = Behaviour::Silent; }
  void SendWithoutEnd() { behaviour_ = Behaviour::Endless; }

  QString Address(const QString& path = QStringLiteral("/v1/forecast")) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
  }
  quint16 Port() const { return server_.serverPort(); }
  int Requests() const { return requests_; }
  // The request line of the last request: "GET /v1/forecast?latitude=... HTTP/1.1".
  QByteArray LastRequestLine() const { return lastRequestLine_; }

 private:
  void Serve(QTcpSocket* socket) {
    auto* received = new QByteArray;
    QObject::connect(socket, &QObject::destroyed, [received] { delete received; });
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
      *received += socket->readAll();
      const qsizetype end = received->indexOf("\r\n\r\n");
      if (end < 0) return;
      ++requests_;
      lastRequestLine_ = received->left(received->indexOf("\r\n"));
      received->remove(0, end + 4);
      Respond(socket);
    });
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
  }

  void Respond(QTcpSocket* socket) {
    switch (behaviour_) {
      case Behaviour::Silent:
        return;
      case Behaviour::Answer:
        socket->write("HTTP/1.1 " + status_ + "\r\nContent-Type: application/json\r\n" + headers_ +
                      "Content-Length: " + QByteArray::number(body_.size()) +
                      "\r\nConnection: close\r\n\r\n" + body_);
        socket->disconnectFromHost();
        return;
      case Behaviour::Endless: {
        // No length declared: only counting what arrives can stop it. Each write goes out
        // once the last has, so the test never holds more than a chunk.
        socket->write(
            "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\n"
            "Connection: close\r\n\r\n[");
        const QByteArray chunk(64 * 1024, ' ');
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [socket, chunk] {
          if (socket->bytesToWrite() == 0) socket->write(chunk);
        });
        socket->write(chunk);
        return;
      }
    }
  }

  QTcpServer server_;
  Behaviour behaviour_ = Behaviour::Silent;
  QByteArray status_, body_, headers_;
  int requests_ = 0;
  QByteArray lastRequestLine_;
};

}  // namespace tarnwick::test
