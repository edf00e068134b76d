#include "model/AgeTables.h"

#include "model/Codes.h"
#include "model/math/PortableMath.h"

#include <algorithm>
#include <array>

namespace vartel {

namespace {

// The fixed tables, computed once in 80-bit long double with full pi on x86-64 and rounded to double. Kept as
// exact constants so that every machine starts from the same bits, whatever its long double and sine.
// 0.02455 sin(pi (i - 16) / 32) for the ages i = 17..47.
constexpr std::array<double, 31> Fertility = {
    0x1.3b66ba3cb90d2p-9, 0x1.39e1eddf326b1p-8, 0x1.d30aa4720f27cp-8, 0x1.33d9f372b6a72p-7, 0x1.7b37990c6cce8p-7,
    0x1.beee50ac1c014p-7, 0x1.fe5728f631c72p-7, 0x1.1c6ae6918ff77p-6, 0x1.36ed0335b1dbcp-6, 0x1.4e708fc9e8a73p-6,
    0x1.62bb9396c83p-6,   0x1.739c06b7a73e6p-6, 0x1.80e84d7375667p-6, 0x1.8a7f9ed1b35f9p-6, 0x1.904a556ea5893p-6,
    0x1.923a29c779a6bp-6, 0x1.904a556ea5893p-6, 0x1.8a7f9ed1b35f9p-6, 0x1.80e84d7375667p-6, 0x1.739c06b7a73e6p-6,
    0x1.62bb9396c83p-6,   0x1.4e708fc9e8a73p-6, 0x1.36ed0335b1dbcp-6, 0x1.1c6ae6918ff77p-6, 0x1.fe5728f631c72p-7,
    0x1.beee50ac1c014p-7, 0x1.7b37990c6cce8p-7, 0x1.33d9f372b6a72p-7, 0x1.d30aa4720f27cp-8, 0x1.39e1eddf326b1p-8,
    0x1.3b66ba3cb90d2p-9};

// pi / 120 cos(pi i / 120) for the ages i = 0..59.
constexpr std::array<double, 60> ImmigrantShare = {
    0x1.acee9f37bebd6p-6, 0x1.acc8fe73ff90bp-6, 0x1.ac5822c2d2a2fp-6, 0x1.ab9c1ff141375p-6,  0x1.aa9516fbd3dfep-6,
    0x1.a9433608c8e63p-6, 0x1.a7a6b85ffb7ddp-6, 0x1.a5bfe6607d2adp-6, 0x1.a38f1573e330ap-6,  0x1.a114a7ff4a439p-6,
    0x1.9e510d52131cdp-6, 0x1.9b44c1925afa1p-6, 0x1.97f04da733747p-6, 0x1.945447209d81fp-6,  0x1.9071501d4bd7dp-6,
    0x1.8c48172e3148cp-6, 0x1.87d95737e01c6p-6, 0x1.8325d751bfbf4p-6, 0x1.7e2e6aa31e8cep-6,  0x1.78f3f03e25d47p-6,
    0x1.737752f8b6975p-6, 0x1.6db9894335e0ep-6, 0x1.67bb94fd4ff0dp-6, 0x1.617e8348b9ce5p-6,  0x1.5b036c59f934ep-6,
    0x1.544b73473b22cp-6, 0x1.4d57c5d541a98p-6, 0x1.46299c4271f69p-6, 0x1.3ec239100bddfp-6,  0x1.3722e8c994835p-6,
    0x1.2f4d01ca7e0f3p-6, 0x1.2741e40216acep-6, 0x1.1f02f8b5c95a7p-6, 0x1.1691b241bb611p-6,  0x1.0def8bd7d1941p-6,
    0x1.051e093d28bcep-6, 0x1.f83d6d0c19c1fp-7, 0x1.e5e64fa0f6a25p-7, 0x1.d339f1fa7765ep-7,  0x1.c03b9acf38eacp-7,
    0x1.acee9f37bebd6p-7, 0x1.99566218c636ap-7, 0x1.8576538b2ddffp-7, 0x1.7151f0418bcc4p-7,  0x1.5cecc0eb8dfdcp-7,
    0x1.484a59974052bp-7, 0x1.336e591053d39p-7, 0x1.1e5c683d83937p-7, 0x1.0918397c33ac7p-7,  0x1.e74b0ff4ce5abp-8,
    0x1.bc102e1e54366p-8, 0x1.9087632319db2p-8, 0x1.64b8525c9e5a2p-8, 0x1.38aaab78ae2d9p-8,  0x1.0c66292028b93p-8,
    0x1.bfe51f37b12ffp-9, 0x1.66af56ef373bep-9, 0x1.0d3aa0482f878p-9, 0x1.672d5a5ce9c1fp-10, 0x1.674cdf5dfe71ap-11};

// pi / 275 sin(pi i / 110) for the ages i = 0..109.
constexpr std::array<double, 110> EmigrantShare = {
    0x0.0000000000000p+0, 0x1.5611f8707a3cfp-12, 0x1.55ee4240ff4a1p-11, 0x1.004611afd44b6p-10, 0x1.555f7fe0e34acp-10,
    0x1.aa31a6f6a1fep-10, 0x1.feaad115f7f38p-10, 0x1.295cad7c33866p-9,  0x1.5325dbcd6939bp-9,  0x1.7ca839f3cfc55p-9,
    0x1.a5db1d2db67dcp-9, 0x1.ceb5eb51ce8ebp-9,  0x1.f7301c9af921fp-9,  0x1.0fa09eb81f3cp-8,   0x1.23707814475eep-8,
    0x1.37037764f7267p-8, 0x1.4a558661d7fb3p-8,  0x1.5d629c51b0824p-8,  0x1.7026bee205db8p-8,  0x1.829e02fbbb179p-8,
    0x1.94c48d9482809p-8, 0x1.a696947cf4fa3p-8,  0x1.b8105f2b24717p-8,  0x1.c92e47817f0fcp-8,  0x1.d9ecba91d9ab1p-8,
    0x1.ea48395c78b8cp-8, 0x1.fa3d598aefe11p-8,  0x1.04e463135896bp-7,  0x1.0c73a02592da1p-7,  0x1.13cacfe99548fp-7,
    0x1.1ae86a00e6fb4p-7, 0x1.21caf2131485cp-7,  0x1.2870f81d1a3e3p-7,  0x1.2ed918be3b3c2p-7,  0x1.3501fd82350adp-7,
    0x1.3aea5d28c08dep-7, 0x1.4090fbea512adp-7,  0x1.45f4abba03dcdp-7,  0x1.4b144c84b06ebp-7,  0x1.4feecc6d0faf2p-7,
    0x1.54832804ea11p-7,  0x1.58d06a8342c72p-7,  0x1.5cd5adf7740bp-7,   0x1.60921b7931e49p-7,  0x1.6404eb55696a5p-7,
    0x1.672d6537f31d7p-7, 0x1.6a0ae0520fabap-7,  0x1.6c9cc37da70e4p-7,  0x1.6ee2855d42aa7p-7,  0x1.70dbac78bbc4fp-7,
    0x1.7287cf56984ccp-7, 0x1.73e6949210b1p-7,   0x1.74f7b2edba283p-7,  0x1.75baf162d1845p-7,  0x1.7630272d23611p-7,
    0x1.76573bd38f30ep-7, 0x1.7630272d23611p-7,  0x1.75baf162d1845p-7,  0x1.74f7b2edba283p-7,  0x1.73e6949210b1p-7,
    0x1.7287cf56984ccp-7, 0x1.70dbac78bbc4fp-7,  0x1.6ee2855d42aa7p-7,  0x1.6c9cc37da70e4p-7,  0x1.6a0ae0520fabap-7,
    0x1.672d6537f31d7p-7, 0x1.6404eb55696a5p-7,  0x1.60921b7931e49p-7,  0x1.5cd5adf7740bp-7,   0x1.58d06a8342c72p-7,
    0x1.54832804ea11p-7,  0x1.4feecc6d0faf2p-7,  0x1.4b144c84b06ebp-7,  0x1.45f4abba03dcdp-7,  0x1.4090fbea512adp-7,
    0x1.3aea5d28c08dep-7, 0x1.3501fd82350adp-7,  0x1.2ed918be3b3c2p-7,  0x1.2870f81d1a3e3p-7,  0x1.21caf2131485cp-7,
    0x1.1ae86a00e6fb4p-7, 0x1.13cacfe99548fp-7,  0x1.0c73a02592da1p-7,  0x1.04e463135896bp-7,  0x1.fa3d598aefe11p-8,
    0x1.ea48395c78b8cp-8, 0x1.d9ecba91d9ab1p-8,  0x1.c92e47817f0fcp-8,  0x1.b8105f2b24717p-8,  0x1.a696947cf4fa3p-8,
    0x1.94c48d9482809p-8, 0x1.829e02fbbb179p-8,  0x1.7026bee205db8p-8,  0x1.5d629c51b0824p-8,  0x1.4a558661d7fb3p-8,
    0x1.37037764f7267p-8, 0x1.23707814475eep-8,  0x1.0fa09eb81f3cp-8,   0x1.f7301c9af921fp-9,  0x1.ceb5eb51ce8ebp-9,
    0x1.a5db1d2db67dcp-9, 0x1.7ca839f3cfc55p-9,  0x1.5325dbcd6939bp-9,  0x1.295cad7c33866p-9,  0x1.feaad115f7f38p-10,
    0x1.aa31a6f6a1fep-10, 0x1.555f7fe0e34acp-10, 0x1.004611afd44b6p-10, 0x1.55ee4240ff4a1p-11, 0x1.5611f8707a3cfp-12};

static_assert(Fertility.size() == 47 - 17 + 1 && EmigrantShare.size() == AgeCount);

} // namespace

void FillFixedTables(SimulationState& s)
{
    std::copy(Fertility.begin(), Fertility.end(), s.FertilityByAge.begin() + 17);
    std::copy(ImmigrantShare.begin(), ImmigrantShare.end(), s.ImmigrantProfile.begin());
    std::copy(EmigrantShare.begin(), EmigrantShare.end(), s.EmigrantProfile.begin());
}

void ComputeAgeTables(SimulationState& s)
{
    const double baby = s.BabyMortality;
    const double adult = s.AdultMortality;
    auto& m = s.MortalityByAge;
    // From the baby mortality at age 0 geometrically towards the adult mortality at age 5.
    const double passage = math::Log(adult / baby) * 0.2;
    for (int i = 0; i <= 4; ++i)
        m[i] = baby * math::Exp(passage * i);
    for (int i = 5; i <= 50; ++i)
        m[i] = adult;
    for (int i = 51; i <= 108; ++i) {
        const double old = (1.0 - adult) * (i - 50) / 59.0;
        const double square = old * old;
        m[i] = adult + square * square;
    }
    m[109] = 1.0;
    if (s.Incident == IncidentCode::Epidemic) {
        // The epidemic spares mainly the fertile ages.
        for (int i = 0; i < AgeCount; ++i)
            m[i] += (1.0 - m[i]) * 0.4 * (1.0 - 40.0 * s.FertilityByAge[i]);
    }
    s.SurvivalByAge[0] = 1.0 - m[0];
    for (int i = 1; i < AgeCount; ++i)
        s.SurvivalByAge[i] = s.SurvivalByAge[i - 1] * (1.0 - m[i]);
}

double GrowthPercent(const SimulationState& s, int y)
{
    if (y <= 0 || y > MaxYear)
        return 0.0;
    const double previous = s.PopHistory[y - 1];
    return previous > 0.0 ? 100.0 * s.PopHistory[y] / previous - 100.0 : 0.0;
}

double LifeExpectancy(const SimulationState& s)
{
    double years = 0.0;
    for (int i = 1; i < AgeCount; ++i)
        years += i * s.SurvivalByAge[i] * s.MortalityByAge[i];
    return years;
}

double ReplacementBirthIndex(const SimulationState& s)
{
    double childrenPerPerson = 0.0;
    for (int i = 0; i < AgeCount; ++i)
        childrenPerPerson += s.SurvivalByAge[i] * s.FertilityByAge[i];
    return (1.0 - s.AdultMortality) / childrenPerPerson;
}

} // namespace vartel
