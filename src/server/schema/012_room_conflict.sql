-- The room-conflict test bounds its search by the room's longest confirmed
-- booking: this index answers that maximum without reading the room's history.
CREATE INDEX IX_tbORScheduleDetails_RoomLength ON SCHEDULE..tbORScheduleDetails (RoomID, RecordStatus, Length)
