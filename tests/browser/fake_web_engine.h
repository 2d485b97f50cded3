#pragma once

#include <QStringList>

#include "browser/web_engine.h"

namespace tarnwick {

// A scripted engine: records what the window asks of it and reports whatever page the test says.
class FakeWebEngine : public WebEngine {
 public:
  QStringList navigations;  // addresses passed to Navigate, in order
  QStringList commands;     // every other command, by name
  QString name;
  QString url;
  bool busy = false;
  bool hasHistory = false;
  mutable int busyPolls = 0;  // how often the window asked whether a page is loading

  bool Navigate(const QString& address) override {
    navigations << address;
    return true;
  }
  bool GoBack() override { return Record("GoBack", hasHistory); }
  bool GoForward() override { return Record("GoForward", hasHistory); }
  bool GoHome() override { return Record("GoHome", true); }
  bool GoSearch() override { return Record("GoSearch", true); }
  bool Refresh() override { return Record("Refresh", true); }
  bool Stop() override { return Record("Stop", true); }
  QString LocationName() const override { return name; }
  QString LocationURL() const override { return url; }
  bool Busy() const override {
    ++busyPolls;
    return busy;
  }

  // Finishes a navigation the way the engine reports one: committed, then fully loaded.
  void Reach(const QString& address, const QString& title) {
    url = address;
    name = title;
    busy = false;
    emit NavigateComplete();
    emit DownloadComplete();
  }

 private:
  bool Record(const QString& command, bool accepted) {
    commands << command;
    return accepted;
  }
};

}  // namespace tarnwick
