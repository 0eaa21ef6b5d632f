// The browser view's HTTP server: the page, its script and style, and the
// device's view and actions as JSON. It listens on the loopback address only
// and answers only requests that name it there, so that no other machine and
// no other site's page can drive the device.
#pragma once

#include <atomic>
#include <string>

#include <httplib.h>

#include "browser_session.h"

class BrowserServer {
public:
    explicit BrowserServer(BrowserSession& session);

    // 127.0.0.1:PORT, or a free port for 0; false with ERROR when it cannot.
    bool Bind(int port, std::string& error);
    int Port() const { return port_; }

    // Serves until Stop.
    void Listen();
    void Stop();

private:
    void Route();
    httplib::Server::HandlerResponse Guard(const httplib::Request& request, httplib::Response& response) const;
    void Act(const httplib::Request& request, httplib::Response& response);
    void AwaitChange(const httplib::Request& request, httplib::Response& response);

    BrowserSession& session_;
    httplib::Server server_;
    int port_ = 0;
    std::atomic<int> awaiting_{0};  // requests held open until the device changes
};
