package rectest;

/** An enumeration as generated bridges write them. */
public class Colour extends brivel.TavoEnumeration {
	public static Colour Red = new Colour(0);
	public static Colour Blue = new Colour(2);

	protected Colour( int __n ) { __Brv_value = __n; }

	public static Colour intToEnumeratedValue( int __n ) {
		switch ( __n ) {
			case 0: return Red;
			case 2: return Blue;
		}
		return new Colour(__n);
	}
}
