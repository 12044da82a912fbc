-- Server functions that turn quantities, numbers and dates into display text.
-- Each is dropped and created again, so this file can be run on a live database.

IF OBJECT_ID(N'dbo.GetFinalQtyRoundUp', N'FN') IS NOT NULL DROP FUNCTION dbo.GetFinalQtyRoundUp;
GO
IF OBJECT_ID(N'dbo.GetFinalQty', N'FN') IS NOT NULL DROP FUNCTION dbo.GetFinalQty;
GO
IF OBJECT_ID(N'dbo.FORMAT', N'FN') IS NOT NULL DROP FUNCTION dbo.FORMAT;
GO

-- A quantity as users read it in a unit: catty/tael text for the catty (unit 5),
-- otherwise a plain number with at most 4 decimals and no trailing zeros.
CREATE FUNCTION dbo.GetFinalQty (@Qty decimal(18,6), @UnitID int)
RETURNS nvarchar(50)
AS
BEGIN
    IF @Qty IS NULL RETURN NULL;

    DECLARE @Text nvarchar(50);

    IF @UnitID IS NULL OR @UnitID <> 5
    BEGIN
        -- decimal(18,6) always prints six decimals: cut the zeros, then a bare point.
        SET @Text = CONVERT(nvarchar(50), ROUND(@Qty, 4));
        SET @Text = LEFT(@Text, LEN(@Text) - PATINDEX(N'%[^0]%', REVERSE(@Text)) + 1);
        IF RIGHT(@Text, 1) = N'.' SET @Text = LEFT(@Text, LEN(@Text) - 1);
        RETURN @Text;
    END

    -- The text is built for the weight without sign; the sign goes in front of the
    -- catties, or in front of the taels when there are no whole catties.
    DECLARE @Weight decimal(18,6) = ABS(@Qty);
    DECLARE @Whole decimal(18,0) = FLOOR(@Weight);
    DECLARE @Taels decimal(18,6) = (@Weight - @Whole) * 16;
    DECLARE @WholeText nvarchar(20) = CONVERT(nvarchar(20), @Whole);
    DECLARE @Sign nvarchar(1) = CASE WHEN @Qty < 0 AND @Whole <> 0 THEN N'-' ELSE N'' END;
    DECLARE @Digits int, @Step decimal(18,6), @Rounded decimal(18,6), @Rest decimal(18,6);
    DECLARE @Separator nvarchar(1);

    IF @Taels = 0 RETURN @Sign + @WholeText;

    SELECT @Digits = RoundLengthQty FROM SS_SystemSetting WHERE ID = 1;
    SET @Digits = ISNULL(@Digits, 0);
    -- Taels of a decimal(18,6) weight carry at most six decimals.
    IF @Digits > 6 SET @Digits = 6;
    IF @Digits < -6 SET @Digits = -6;

    -- Round half to even: truncate, then step up past the half or on an odd last digit.
    SET @Step = POWER(CAST(10 AS decimal(18,6)), -@Digits);
    SET @Rounded = ROUND(@Taels, @Digits, 1);
    SET @Rest = @Taels - @Rounded;
    IF @Rest * 2 > @Step OR (@Rest * 2 = @Step AND CAST(@Rounded / @Step AS bigint) % 2 = 1)
        SET @Rounded = @Rounded + @Step;

    -- No carry into the catties: 12.99 stays 12 catties 16 taels.
    IF @Rounded <= 0 RETURN @Sign + @WholeText;

    SELECT @Separator = UnitSeparateString FROM BC_MeasurementUnit WHERE MeasurementUnitID = 5;
    SET @Separator = ISNULL(@Separator, N'');

    SET @Text = CONVERT(nvarchar(50), @Rounded);
    SET @Text = LEFT(@Text, LEN(@Text) - PATINDEX(N'%[^0]%', REVERSE(@Text)) + 1);
    IF RIGHT(@Text, 1) = N'.' SET @Text = LEFT(@Text, LEN(@Text) - 1);

    -- '-0' would read back as 0, so a weight under one catty carries its sign on the taels.
    IF @Qty < 0 AND @Whole = 0 RETURN @WholeText + @Separator + N'-' + @Text;
    RETURN @Sign + @WholeText + @Separator + @Text;
END
GO

-- The same text after rounding the quantity up to whole units (whole catties for unit 5).
CREATE FUNCTION dbo.GetFinalQtyRoundUp (@Qty decimal(18,6), @UnitID int)
RETURNS nvarchar(50)
AS
BEGIN
    RETURN dbo.GetFinalQty(CEILING(@Qty), @UnitID);
END
GO

-- '###,##0': whole number, halves away from zero, thousands separators.
-- 'yyyy/mm/dd': a date. Any other picture, or a value that does not fit it: plain text.
CREATE FUNCTION dbo.FORMAT (@Value sql_variant, @Picture nvarchar(20))
RETURNS nvarchar(50)
AS
BEGIN
    IF @Value IS NULL RETURN NULL;

    DECLARE @Number decimal(38,6), @Date datetime, @Text nvarchar(50);

    IF @Picture = N'###,##0'
    BEGIN
        SET @Number = TRY_CONVERT(decimal(38,6), @Value);
        IF @Number IS NOT NULL
        BEGIN
            -- Style 1 of money writes the separators; its two decimals are then cut off.
            SET @Text = CONVERT(nvarchar(50), CAST(ROUND(@Number, 0) AS money), 1);
            RETURN LEFT(@Text, LEN(@Text) - 3);
        END
    END
    ELSE IF @Picture = N'yyyy/mm/dd'
    BEGIN
        SET @Date = TRY_CONVERT(datetime, @Value);
        IF @Date IS NOT NULL RETURN CONVERT(nvarchar(10), @Date, 111);
    END

    RETURN CONVERT(nvarchar(50), @Value);
END
GO
