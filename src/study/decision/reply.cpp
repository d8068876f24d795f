#include "study/decision/reply.h"

#include <new>

#include "core/steps.h"
#include "study/decision/conventions.h"
#include "study/decision/problem_reading.h"
#include "text/json_writer.h"

namespace trelvani::decision {
namespace {

class ReplyWriter {
public:
    std::string out;
    JsonWriter json{out};

    ReplyWriter& Key(std::string_view key) {
        json.Key(key);
        return *this;
    }
    void Text(std::string_view text) { json.String(text); }
    // As a string, as every number of a reply is.
    void Number(double value) {
        digits_.clear();
        AppendShortest(digits_, value);
        json.String(digits_);
    }
    void Fuzzy(const decision::Fuzzy& value) {
        json.BeginArray();
        for (std::size_t c = 0; c < 4; ++c) Number(value[c]);
        json.EndArray();
    }
    // A list of anything, each item written by `write`.
    template <class Items, class Write>
    void List(const Items& items, const Write& write) {
        json.BeginArray();
        for (const auto& item : items) write(item);
        json.EndArray();
    }
    void Numbers(const std::vector<double>& values) {
        List(values, [&](double value) { Number(value); });
    }
    void Fuzzies(const std::vector<decision::Fuzzy>& values) {
        List(values, [&](const decision::Fuzzy& value) { Fuzzy(value); });
    }
    void FuzzyMatrix(const std::vector<std::vector<decision::Fuzzy>>& rows) {
        List(rows, [&](const std::vector<decision::Fuzzy>& row) { Fuzzies(row); });
    }
    void NumberMatrix(const std::vector<std::vector<double>>& rows) {
        List(rows, [&](const std::vector<double>& row) { Numbers(row); });
    }

private:
    std::string digits_;
};

void WriteConventions(ReplyWriter& w, const Problem& problem) {
    const Conventions& c = problem.conventions;
    w.json.BeginObject();
    w.Key("agregacion").Text(Word(c.aggregation));
    if (problem.method != Method::Ahp) w.Key("normalizacion").Text(Word(c.normalisation));
    if (problem.method == Method::Topsis) {
        w.Key("ideales").Text(Word(c.ideals));
        w.Key("distancia").Text(Word(c.distance));
    } else {
        w.Key("desborrosificacion").Text(Word(c.defuzzification));
    }
    w.Key("redondeo");
    if (c.rounding) {
        w.json.Integer(*c.rounding);
    } else {
        w.json.Null();
    }
    w.json.EndObject();
}

void WriteRatingTables(ReplyWriter& w, const Solution& s) {
    w.Key("pesos").Fuzzies(s.weights);
    w.Key("agregada").FuzzyMatrix(s.aggregated);
    w.Key("normalizada").FuzzyMatrix(s.normalised);
    w.Key("ponderada").FuzzyMatrix(s.weighted);
}

}  // namespace

std::string ReplyJson(const Problem& problem, const Solution& s) {
    ReplyWriter w;
    w.out.reserve(64 + 120 * problem.alternatives.size() * problem.criteria.size() * 4);
    w.json.BeginObject();
    w.Key("metodo").Text(Word(problem.method));
    w.Key("convenios");
    WriteConventions(w, problem);
    switch (problem.method) {
    case Method::Topsis:
        WriteRatingTables(w, s);
        w.Key("ideal_positivo").Fuzzies(s.idealPositive);
        w.Key("ideal_negativo").Fuzzies(s.idealNegative);
        w.Key("distancias_positivas").NumberMatrix(s.distancesPositive);
        w.Key("distancias_negativas").NumberMatrix(s.distancesNegative);
        w.Key("d_positiva").Numbers(s.dPositive);
        w.Key("d_negativa").Numbers(s.dNegative);
        w.Key("cc").Numbers(s.closeness);
        break;
    case Method::Saw:
        WriteRatingTables(w, s);
        w.Key("suma").Fuzzies(s.sums);
        w.Key("valor").Numbers(s.values);
        break;
    case Method::Ahp:
        w.Key("comparaciones").FuzzyMatrix(s.comparisons);
        w.Key("media_geometrica").Fuzzies(s.geometricMeans);
        w.Key("suma").Fuzzy(s.total);
        w.Key("pesos_difusos").Fuzzies(s.fuzzyWeights);
        w.Key("pesos_nitidos").Numbers(s.crispWeights);
        w.Key("pesos").Numbers(s.normalisedWeights);
        w.Key("lambda_max").Number(s.lambdaMax);
        w.Key("ic").Number(s.consistencyIndex);
        w.Key("rc");
        if (s.consistencyRatio) {
            w.Number(*s.consistencyRatio);
        } else {
            w.json.Null();
        }
        break;
    }
    const auto& names = problem.method == Method::Ahp ? problem.criteria : problem.alternatives;
    w.Key("orden").List(s.order, [&](std::size_t i) { w.Text(names[i]); });
    w.json.EndObject();
    return std::move(w.out);
}

std::string ErrorJson(std::string_view reason) {
    std::string out;
    JsonWriter(out).BeginObject().Key("error").String(reason).EndObject();
    return out;
}

Answer AnswerProblem(std::string_view line) {
    try {
        const Problem problem = ReadProblem(line);
        return {ReplyJson(problem, Solve(problem)), true};
    } catch (const DecisionError& error) {
        return {ErrorJson(error.what()), false};
    } catch (const std::bad_alloc&) {
        return {ErrorJson("memoria insuficiente"), false};
    }
}

std::string_view UnreadLineReason(bool tooLong) {
    return tooLong ? "la línea pasa de 1 MiB (1048576 bytes)" : "memoria insuficiente";
}

}  // namespace trelvani::decision
