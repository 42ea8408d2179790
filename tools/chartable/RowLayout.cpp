#include "chartable/RowLayout.h"

#include <map>
#include <queue>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace chartable {
namespace {

struct Node {
  Row row;
  char32_t key = 0x10FFFF;       // the first character the row carries
  std::vector<std::size_t> next;  // rows that must come after this one
  std::size_t waitingFor = 0;
};

std::map<Code, char32_t> CharsOf(const CodeSet& set) {
  std::map<Code, char32_t> chars;
  for (const CodeChar& c : set.codes) chars.emplace(c.code, c.cp);
  return chars;
}

class Layout {
 public:
  Layout(const Answers& answers, const CodeSets& sets)
      : a_(answers), gbkChars_(CharsOf(sets.gbk)), big5Chars_(CharsOf(sets.big5)), sjisChars_(CharsOf(sets.shiftJis)) {}

  std::vector<Row> Run() {
    for (const auto& [big5, gbk] : a_.big5ToGbk) Carry(gbk, big5, big5Chars_.at(big5));
    for (const auto& [gbk, big5] : a_.gbkToBig5) Carry(gbk, big5, gbkChars_.at(gbk));
    OrderGbkBig5Pairs();
    for (const auto& [sjis, big5] : a_.shiftJisToBig5) PlaceShiftJis(sjis, big5);
    return Sorted();
  }

 private:
  // The row that pairs gbk with big5, created on first use; it carries the
  // answer of a code whose character is `cp`.
  void Carry(Code gbk, Code big5, char32_t cp) {
    auto [it, added] = pairs_.emplace(std::make_pair(gbk, big5), nodes_.size());
    if (added) {
      nodes_.push_back({});
      nodes_.back().row = {gbk, big5, kNoCode};
      byBig5_.emplace(big5, it->second);
    }
    Node& node = nodes_[it->second];
    if (cp < node.key) node.key = cp;
  }

  std::size_t PairRow(Code gbk, Code big5) const { return pairs_.at({gbk, big5}); }

  // A pair that answers only one of its codes comes after the row that
  // answers the other one.
  void OrderGbkBig5Pairs() {
    for (const auto& [pair, index] : pairs_) {
      const auto [gbk, big5] = pair;
      if (gbk == kNoCode || big5 == kNoCode) continue;
      if (a_.gbkToBig5.at(gbk) != big5) After(PairRow(gbk, a_.gbkToBig5.at(gbk)), index);
      if (a_.big5ToGbk.at(big5) != gbk) After(PairRow(a_.big5ToGbk.at(big5), big5), index);
    }
  }

  void After(std::size_t first, std::size_t then) {
    nodes_[first].next.push_back(then);
    ++nodes_[then].waitingFor;
  }

  // A Shift-JIS code joins a row holding its answer in column 2: the row of
  // its own character if there is one, else the row that answers that Big5
  // code, else any; without a free one it gets a row of its own.
  void PlaceShiftJis(Code sjis, Code big5) {
    const char32_t cp = sjisChars_.at(sjis);
    std::size_t chosen = nodes_.size();
    const auto [from, to] = byBig5_.equal_range(big5);
    for (auto it = from; it != to; ++it) {
      const Node& node = nodes_[it->second];
      if (node.row.shiftJis != kNoCode) continue;
      const bool answersBig5 = a_.big5ToGbk.count(big5) && a_.big5ToGbk.at(big5) == node.row.gbk;
      if (node.key == cp) {
        chosen = it->second;
        break;
      }
      if (chosen == nodes_.size() || (answersBig5 && nodes_[chosen].key != cp)) chosen = it->second;
    }
    if (chosen == nodes_.size()) {
      nodes_.push_back({});
      nodes_.back().row = {kNoCode, big5, kNoCode};
      nodes_.back().key = cp;
    }
    nodes_[chosen].row.shiftJis = sjis;
  }

  std::vector<Row> Sorted() {
    using Ready = std::tuple<char32_t, std::size_t>;
    std::priority_queue<Ready, std::vector<Ready>, std::greater<>> ready;
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
      if (nodes_[i].waitingFor == 0) ready.emplace(nodes_[i].key, i);
    }
    std::vector<Row> rows;
    while (!ready.empty()) {
      const std::size_t i = std::get<1>(ready.top());
      ready.pop();
      rows.push_back(nodes_[i].row);
      for (std::size_t then : nodes_[i].next) {
        if (--nodes_[then].waitingFor == 0) ready.emplace(nodes_[then].key, then);
      }
    }
    if (rows.size() != nodes_.size()) throw std::runtime_error("the rows' order constraints form a cycle");
    return rows;
  }

  const Answers& a_;
  std::map<Code, char32_t> gbkChars_, big5Chars_, sjisChars_;
  std::vector<Node> nodes_;
  std::map<std::pair<Code, Code>, std::size_t> pairs_;
  std::multimap<Code, std::size_t> byBig5_;
};

// The counterpart the converter finds: the first row with a real one.
std::map<Code, Code> Lookups(const std::vector<Row>& rows, Code Row::*source, Code Row::*target) {
  std::map<Code, Code> found;
  for (const Row& row : rows) {
    auto [it, added] = found.emplace(row.*source, row.*target);
    if (!added && it->second == kNoCode) it->second = row.*target;
  }
  return found;
}

std::size_t Wrong(const std::map<Code, Code>& found, const AnswerMap& answers) {
  std::size_t wrong = 0;
  for (const auto& [code, answer] : answers) {
    const auto it = found.find(code);
    wrong += it == found.end() || it->second != answer;
  }
  return wrong;
}

}  // namespace

std::vector<Row> LayOutRows(const Answers& answers, const CodeSets& sets) { return Layout(answers, sets).Run(); }

std::size_t CountWrongAnswers(const std::vector<Row>& rows, const Answers& answers) {
  return Wrong(Lookups(rows, &Row::big5, &Row::gbk), answers.big5ToGbk) +
         Wrong(Lookups(rows, &Row::gbk, &Row::big5), answers.gbkToBig5) +
         Wrong(Lookups(rows, &Row::shiftJis, &Row::big5), answers.shiftJisToBig5);
}

}  // namespace chartable
