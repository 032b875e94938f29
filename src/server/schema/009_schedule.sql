-- The schedule book.

-- The room-conflict test every booking runs reads, for one room, the
-- confirmed entries' start, length and key: all of them are in this index, so
-- the test walks the index alone instead of fetching each booking's row.
CREATE INDEX IX_tbORScheduleDetails_RoomConflict ON SCHEDULE..tbORScheduleDetails (RoomID, RecordStatus, StartTime, Length, TransNum)
GO
