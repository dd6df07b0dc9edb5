// SPDX-License-Identifier: MIT
#include "gui/qt_http.h"

#include "platform/version.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <cerrno>

namespace tw {

QtHttpClient::QtHttpClient() = default;
QtHttpClient::~QtHttpClient() = default;

std::string QtHttpClient::Fetch(const std::string& address) {
    Reset();
    const QUrl url = QUrl::fromEncoded(QByteArray::fromStdString(address));
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != "http" && scheme != "https"))
        return Fail(0, "Not an http:// or https:// address: " + address);
    if (!manager_) manager_ = std::make_unique<QNetworkAccessManager>();

    QNetworkRequest request(url);
    request.setTransferTimeout(Timeout());
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Tarnwell/%1.%2").arg(kVersionMajor).arg(kVersionMinor));
    SetState(HttpState::Connecting);
    QNetworkReply* reply = manager_->get(request);
    SetState(HttpState::Requesting);

    bool receiving = false;
    bool tooLarge = false;
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        if (!receiving) SetState(HttpState::ReceivingResponse);
        receiving = true;
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64) {
        if (received > static_cast<qint64>(kMaxBodyBytes)) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);

    const int code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const std::string reason =
        reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().toStdString();
    for (const auto& [name, value] : reply->rawHeaderPairs())
        AddHeader(name.toStdString(), value.toStdString());
    const QNetworkReply::NetworkError error = reply->error();
    const std::string errorText = reply->errorString().toStdString();
    const QByteArray body = error == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    reply->deleteLater();
    SetState(HttpState::Disconnected);

    if (tooLarge) return Fail(EFBIG, "Response body too large");
    if (code != 0 && code != 200) return Fail(code, reason);
    if (error != QNetworkReply::NoError) return Fail(static_cast<int>(error), errorText);
    SetResponse(code, reason);
    SetState(HttpState::ResponseCompleted);
    return body.toStdString();
}

} // namespace tw
