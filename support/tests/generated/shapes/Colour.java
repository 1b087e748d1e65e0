package shapes;

/** Colour enumerated type */
public class Colour extends brivel.TavoEnumeration {


	/** enumerated constant Red */
	public static Colour Red = new Colour(0);

	/** enumerated constant Green */
	public static Colour Green = new Colour(1);


	/** Default constructor (protected; use intToEnumeratedValue to obtain enumerated values from integers.) */
	protected Colour( int __n ) { __Brv_value = __n; }

	/** Compare two enumerated values for being equal */
	public boolean equals( Object __obj ) { return __obj instanceof Colour && __obj != null && ((Colour)__obj).getEnumeratedIntValue() == __Brv_value; }

	/** Returns an enumerated value corresponding to a given integer. */
	public static Colour intToEnumeratedValue( int __n ) {
		switch ( __n  ) {
			case 0: return Red;
			case 1: return Green;
		}
		return new Colour(__n);
	}
}

