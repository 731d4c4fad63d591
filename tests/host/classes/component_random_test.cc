// Randomized model-based test of ownership and removal notifications: random
// component trees, moves between owners, cross FreeNotification links and
// frees in random order, checked against a plain model of who must hear what.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>
#include <sstream>
#include <tuple>
#include <vector>

#include "host/classes/component.h"
#include "host/rtl/sysutils.h"

namespace host {
namespace {

// (receiver, subject, operation, subject was being destroyed) -> count
using TKey = std::tuple<int, int, int, bool>;
using TCounts = std::map<TKey, int>;

class TNode : public TComponent {
  HOST_CLASS(TNode, TComponent)
  explicit TNode(TComponent* AOwner, int id = -1, TCounts* heard = nullptr)
      : TComponent(AOwner), Id(id), Heard(heard) {}
  void Notification(TComponent* AComponent, TOperation Operation) override {
    // Reads the subject: a dangling subject fails under the sanitizer.
    const auto* subject = As<TNode>(AComponent);
    if (Heard) ++(*Heard)[{Id, subject->Id, Operation, subject->GetComponentState().Contains(csDestroying)}];
    inherited::Notification(AComponent, Operation);
  }
  int Id;
  TCounts* Heard;
};
HOST_IMPL(TNode, TComponent)

// What the component model must do, on plain indexes.
struct TModel {
  std::vector<int> owner;
  std::vector<std::vector<int>> kids, links;
  std::vector<bool> alive;
  TCounts expected;

  int Add() {
    owner.push_back(-1);
    kids.emplace_back();
    links.emplace_back();
    alive.push_back(true);
    return static_cast<int>(owner.size()) - 1;
  }
  static void Erase(std::vector<int>& v, int x) { std::erase(v, x); }
  static bool Has(const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); }

  void Link(int a, int b) {
    if (a == b) return;
    if (!Has(links[a], b)) links[a].push_back(b);
    if (!Has(links[b], a)) links[b].push_back(a);
  }
  void Unlink(int a, int b) {
    Erase(links[a], b);
    Erase(links[b], a);
  }
  bool Owns(int a, int x) const {
    for (int p = owner[x]; p >= 0; p = owner[p])
      if (p == a) return true;
    return false;
  }
  // An owner tells itself, then everything it owns, last first.
  void Broadcast(int receiver, int subject, TOperation op, bool dying) {
    ++expected[{receiver, subject, op, dying}];
    if (op == opRemove) Unlink(receiver, subject);
    for (std::size_t i = kids[receiver].size(); i-- > 0;) Broadcast(kids[receiver][i], subject, op, dying);
  }
  void Remove(int c, bool dying) {
    const int p = owner[c];
    Broadcast(p, c, opRemove, dying);
    Erase(kids[p], c);
    owner[c] = -1;
  }
  // False when the move must be refused.
  bool Insert(int q, int c) {
    if (q == c || Owns(c, q)) return false;
    if (owner[c] == q) return true;
    if (owner[c] >= 0) Remove(c, false);
    kids[q].push_back(c);
    owner[c] = q;
    Broadcast(q, c, opInsert, false);
    return true;
  }
  void Free(int c) {
    const std::vector<int> snapshot = links[c];
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
      if (Has(links[c], *it)) Broadcast(*it, c, opRemove, true);
    while (!kids[c].empty()) {
      const int k = kids[c].back();
      kids[c].pop_back();
      owner[k] = -1;
      Free(k);
    }
    if (owner[c] >= 0) Remove(c, true);
    for (int x : links[c]) Erase(links[x], c);
    links[c].clear();
    alive[c] = false;
  }
};

std::string Describe(const TCounts& counts) {
  std::ostringstream out;
  for (const auto& [key, n] : counts)
    out << " " << std::get<0>(key) << "<-" << std::get<1>(key) << (std::get<2>(key) == opRemove ? ":rm" : ":ins")
        << (std::get<3>(key) ? "!" : "") << "x" << n;
  return out.str();
}

class TRound {
 public:
  TRound(std::mt19937& rng) : FRng(rng) {}

  // Returns false after the first mismatch (already reported).
  bool Run() {
    const int count = Pick(3, 12);
    for (int i = 0; i < count; ++i) FNodes.push_back(new TNode(nullptr, FModel.Add(), &FHeard));
    for (int i = 1; i < count; ++i)
      if (Pick(0, 3) > 0) Step("build", [&] { Move(Pick(0, i - 1), i); });
    for (int ops = Pick(0, 20); ops > 0; --ops) RandomOperation();
    while (const int alive = static_cast<int>(std::count(FModel.alive.begin(), FModel.alive.end(), true))) {
      const int victim = NthAlive(Pick(0, alive - 1));
      if (!Step("free " + std::to_string(victim), [&] {
            FNodes[victim]->Free();
            FModel.Free(victim);
          }))
        return FreeAll();
    }
    return true;
  }

 private:
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(FRng); }
  int RandomNode() { return Pick(0, static_cast<int>(FNodes.size()) - 1); }

  void RandomOperation() {
    const int a = RandomNode(), b = RandomNode();
    switch (Pick(0, 3)) {
      case 0:
        Step("link", [&] {
          FNodes[a]->FreeNotification(FNodes[b]);
          FModel.Link(a, b);
        });
        break;
      case 1:
        Step("unlink", [&] {
          FNodes[a]->RemoveFreeNotification(FNodes[b]);
          FModel.Unlink(a, b);
        });
        break;
      case 2:
        Step("move", [&] { Move(a, b); });
        break;
      default:
        Step("detach", [&] {
          if (FModel.owner[b] < 0) return;
          FNodes[FModel.owner[b]]->RemoveComponent(FNodes[b]);
          FModel.Remove(b, false);
        });
    }
  }

  void Move(int q, int c) {
    bool refused = false;
    try {
      FNodes[q]->InsertComponent(FNodes[c]);
    } catch (const EComponentError&) {
      refused = true;
    }
    EXPECT_EQ(refused, !FModel.Insert(q, c)) << "move " << c << " into " << q;
  }

  int NthAlive(int n) const {
    for (int i = 0;; ++i)
      if (FModel.alive[i] && n-- == 0) return i;
  }

  template <class F>
  bool Step(const std::string& what, F&& f) {
    f();
    bool ok = FHeard == FModel.expected && StructureMatches();
    EXPECT_TRUE(ok) << what << ": expected" << Describe(FModel.expected) << "\n  heard" << Describe(FHeard);
    FHeard.clear();
    FModel.expected.clear();
    return ok;
  }

  bool StructureMatches() const {
    for (std::size_t i = 0; i < FNodes.size(); ++i) {
      if (!FModel.alive[i]) continue;
      const int o = FModel.owner[i];
      if (FNodes[i]->GetOwner() != (o < 0 ? nullptr : FNodes[o])) return false;
      const auto& kids = FModel.kids[i];
      if (FNodes[i]->GetComponentCount() != static_cast<int>(kids.size())) return false;
      for (std::size_t k = 0; k < kids.size(); ++k)
        if (FNodes[i]->GetComponents(static_cast<int>(k)) != FNodes[kids[k]]) return false;
    }
    return true;
  }

  bool FreeAll() {
    for (std::size_t i = 0; i < FNodes.size(); ++i)
      if (FModel.alive[i] && FModel.owner[i] < 0) {
        FNodes[i]->Free();
        FModel.Free(static_cast<int>(i));
      }
    return false;
  }

  std::mt19937& FRng;
  TModel FModel;
  TCounts FHeard;
  std::vector<TNode*> FNodes;
};

TEST(ComponentRandom, RemovalNotificationsMatchTheModel) {
  const char* env = std::getenv("CORVANE_RANDOM_SEED");
  const unsigned seed = env ? static_cast<unsigned>(std::strtoul(env, nullptr, 10)) : 20240611u;
  std::mt19937 rng(seed);
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE("seed " + std::to_string(seed) + " (CORVANE_RANDOM_SEED), round " + std::to_string(round));
    if (!TRound(rng).Run()) break;
  }
}

}  // namespace
}  // namespace host
