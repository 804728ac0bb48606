#include "simulation/step_tables.h"

#include "world/game.h"

StepTablesHolder::StepTablesHolder() noexcept = default;

StepTablesHolder::StepTablesHolder(const StepTablesHolder&) noexcept {}

StepTablesHolder::StepTablesHolder(StepTablesHolder&&) noexcept = default;

StepTablesHolder::~StepTablesHolder() = default;

StepTables& StepTablesHolder::get() const
{
    if (!tables_) tables_ = std::make_unique<StepTables>();
    return *tables_;
}
