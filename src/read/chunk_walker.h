// The walk of a vector path, written once for every instruction set. It
// goes through the input chunk by chunk and hands each run of outcomes and
// each line end to a line target, which knows where the line's outcomes go:
// game_rows (one game per line: a row of the table) or stage_rows (one tip
// row per line: a row of the stage, moved into the table every 16 rows).
//
// Included inside the namespace of each instruction set's path, after
// chunk_masks.h and that path's chunk layer, which provides:
//
//   chunk_masks classify(p)              the masks of the chunk at p
//   bool holds_outcome_or_end_mark(p)    whether the chunk at p holds either
//   copy_side_by_side<N>(to, from)       the values of N outcome characters
//                                        side by side at from
//   copy_one_apart<N>(to, from)          the values of N outcome characters
//                                        one byte apart, read from 2N bytes
//
// Chunks may be read past the end of the input (FILL_OVERREAD), and the
// copies store their full width whatever the run's length.
#ifndef SYSORIENT_CHUNK_WALKER_H
#define SYSORIENT_CHUNK_WALKER_H

// How a run of outcomes lies, from its first outcome (bit 0) on.
enum class run_kind { side_by_side, one_apart, scattered };
struct run_shape {
    run_kind kind;
    int length; // outcomes in the run, unless scattered
};

inline run_shape shape_of(std::uint64_t shape)
{
    if (is_solid(shape))
        return {run_kind::side_by_side, solid_length(shape)};
    if (has_no_neighbours(shape) && is_solid(gaps_filled(shape)))
        return {run_kind::one_apart, (solid_length(gaps_filled(shape)) + 1) / 2};
    return {run_kind::scattered, 0};
}

// A row of Size cells that one line's outcomes are stored along, from cell
// `count` on and up to the line's limit (at most MaxLimit). A vector store
// writes Reach cells (OneApart values) from where it starts, past the
// outcomes it stores, but only inside the row; clear_overhang zeroes them
// again, as cells never filled hold 0.
template <int Reach, int OneApart, int Size, int MaxLimit> class row_writer {
  public:
    void start(std::int8_t *cells, int count, int limit)
    {
        cells_ = cells;
        count_ = count;
        limit_ = limit;
    }

    [[nodiscard]] int count() const { return count_; }

    // Stores the outcomes at the set bits of run (bit i: byte p[i]) of one
    // line; false if the line's limit comes first.
    bool store_run(const unsigned char *p, std::uint64_t run)
    {
        const int first = lowest_bit(run);
        const run_shape shape = shape_of(run >> first);
        if (shape.kind == run_kind::scattered || !vector_store_fits(shape.length))
            return store_each(p, run);
        if (shape.kind == run_kind::side_by_side)
            copy_side_by_side<Reach>(cells_ + count_, p + first);
        else
            copy_one_apart<OneApart>(cells_ + count_, p + first);
        count_ += shape.length;
        return true;
    }

    void clear_overhang()
    {
        // A fixed size makes a few vector stores of the memset.
        if (ROOM_PAST_LIMIT || count_ + Reach <= Size)
            std::memset(cells_ + count_, 0, Reach);
        else
            std::memset(cells_ + count_, 0, static_cast<std::size_t>(Size - count_));
    }

  private:
    // Whether a store from any cell before the limit stays inside the row,
    // as in the stage's rows. Otherwise the limit is the row's end (or 0).
    static constexpr bool ROOM_PAST_LIMIT = Size - Reach >= MaxLimit;

    // Whether a vector store of a run of n outcomes keeps them before the
    // limit, and itself inside the row.
    [[nodiscard]] bool vector_store_fits(int n) const
    {
        if constexpr (ROOM_PAST_LIMIT)
            return n <= limit_ - count_;
        return limit_ - count_ >= Reach;
    }

    bool store_each(const unsigned char *p, std::uint64_t run)
    {
        for (; run != 0; run &= run - 1) {
            if (count_ == limit_)
                return false;
            cells_[count_++] = outcome_value(p[lowest_bit(run)]);
        }
        return true;
    }

    std::int8_t *cells_ = nullptr;
    int count_ = 0;
    int limit_ = 0;
};

// One game per line: a line is the current game's row of the table, and the
// tip row moves along it.
class game_rows {
  public:
    explicit game_rows(system_table &table) : table_(table) { start(table.cur_tip_row); }

    int store_run(const unsigned char *p, std::uint64_t run)
    {
        if (row_.store_run(p, run))
            return READ_OK;
        return table_.cur_game >= MAX_GAMES ? READ_TOO_MANY_GAMES : READ_TOO_MANY_TIP_ROWS;
    }

    [[nodiscard]] bool holds_outcomes() const { return row_.count() != 0; }

    // A line that held outcomes becomes the next game, and sets the count
    // of tip rows.
    void end_line()
    {
        if (!holds_outcomes())
            return;
        row_.clear_overhang();
        table_.tip_row_count = row_.count();
        table_.game_count = ++table_.cur_game;
        start(0);
    }

    // Hands the position on the line back to the table, for the next fill.
    void save() { table_.cur_tip_row = row_.count(); }

    void finish()
    {
        if (holds_outcomes())
            row_.clear_overhang();
    }

  private:
    void start(int count)
    {
        const int game = table_.cur_game;
        row_.start(table_.cells + static_cast<std::ptrdiff_t>(game) * MAX_TIP_ROWS, count,
                   game < MAX_GAMES ? MAX_TIP_ROWS : 0);
    }

    system_table &table_;
    row_writer<64, 32, MAX_TIP_ROWS, MAX_TIP_ROWS> row_;
};

// One tip row per line: a line is a row of the stage, and the game moves
// along it. Every 16 tip rows the stage goes into the table at once.
class stage_rows {
  public:
    stage_rows(system_table &table, tip_row_stage &stage) : table_(table), stage_(stage)
    {
        start(table.cur_game);
    }

    int store_run(const unsigned char *p, std::uint64_t run)
    {
        if (row_.store_run(p, run))
            return READ_OK;
        return row_.count() >= MAX_GAMES ? READ_TOO_MANY_GAMES : READ_TOO_MANY_TIP_ROWS;
    }

    [[nodiscard]] bool holds_outcomes() const { return row_.count() != 0; }

    // A line that held outcomes becomes the next tip row, and sets the count
    // of games.
    void end_line()
    {
        if (!holds_outcomes())
            return;
        row_.clear_overhang();
        table_.game_count = static_cast<std::int8_t>(row_.count());
        table_.tip_row_count = ++table_.cur_tip_row;
        if (table_.cur_tip_row % tip_row_stage::ROWS == 0)
            move_stage_rows(table_, stage_, table_.cur_tip_row - tip_row_stage::ROWS,
                            tip_row_stage::ROWS);
        start(0);
    }

    void save() { table_.cur_game = static_cast<std::int8_t>(row_.count()); }

    // The rows still on the stage, the unfinished line's among them.
    void finish()
    {
        if (holds_outcomes())
            row_.clear_overhang();
        const int finished = table_.cur_tip_row % tip_row_stage::ROWS;
        const int rows = finished + (holds_outcomes() ? 1 : 0);
        if (rows != 0)
            move_stage_rows(table_, stage_, table_.cur_tip_row - finished, rows);
    }

  private:
    void start(int count)
    {
        const int tip_row = table_.cur_tip_row;
        row_.start(stage_.rows[tip_row % tip_row_stage::ROWS], count,
                   tip_row < MAX_TIP_ROWS ? MAX_GAMES : 0);
    }

    system_table &table_;
    tip_row_stage &stage_;
    row_writer<16, 16, tip_row_stage::ROW_BYTES, MAX_GAMES> row_;
};

// Hands the chunk's runs of outcomes and its line ends to the target, in
// input order, up to the end mark.
template <class Target> int walk(const unsigned char *p, chunk_masks m, Target &target)
{
    for (;;) {
        const std::uint64_t before = bits_below_lowest(m.specials);
        if (const std::uint64_t run = m.outcomes & before) {
            const int status = target.store_run(p, run);
            if (status != READ_OK)
                return status;
        }
        if (m.specials == 0)
            return READ_OK;
        if (p[lowest_bit(m.specials)] == END_MARK)
            return FILL_END_MARK;
        target.end_line();
        m.outcomes &= ~before;
        m.specials &= m.specials - 1;
    }
}

// Passes over whole chunks that hold no outcome and no end mark. Only for
// when the current line holds no outcome: then their line ends change nothing.
inline const unsigned char *skip_chunks_of_nothing(const unsigned char *p, const unsigned char *end)
{
    while (end - p >= CHUNK && !holds_outcome_or_end_mark(p))
        p += CHUNK;
    return p;
}

// Walks [p, end) chunk by chunk, then hands the position back to the table.
template <class Target>
int walk_chunks(const unsigned char *p, const unsigned char *end, Target target)
{
    int status = READ_OK;
    while (p < end) {
        chunk_masks m = classify(p);
        if (end - p < CHUNK) {
            const std::uint64_t in_text = first_bits(static_cast<int>(end - p));
            m.outcomes &= in_text;
            m.specials &= in_text;
        }
        status = walk(p, m, target);
        if (status != READ_OK)
            break;
        p += CHUNK;
        if (m.outcomes == 0 && !target.holds_outcomes())
            p = skip_chunks_of_nothing(p, end);
    }
    target.save();
    return status;
}

inline int fill_chunks(system_table &table, tip_row_stage &stage, const unsigned char *bytes,
                       std::size_t count)
{
    if (table.line_is_tip_row != 0)
        return walk_chunks(bytes, bytes + count, stage_rows(table, stage));
    return walk_chunks(bytes, bytes + count, game_rows(table));
}

inline void finish_chunks(system_table &table, tip_row_stage &stage)
{
    if (table.line_is_tip_row != 0)
        stage_rows(table, stage).finish();
    else
        game_rows(table).finish();
}

#endif
